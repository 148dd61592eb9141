// SPDX-License-Identifier: GPL-3.0-or-later
// Every dialog and message box is a modal window of the main window with a close button only.
#include <QApplication>
#include <QColorDialog>
#include <QTest>
#include <QTimer>
#include <functional>
#include <memory>

#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/colour_chooser.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "shell/message_box.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

void CheckDialogWindow(const char* name, const QWidget& dialog, const QWidget& owner) {
  const Qt::WindowFlags flags = dialog.windowFlags();
  // Without the customising flag the window manager draws its own default buttons, all of them.
  QVERIFY2(flags.testFlag(Qt::CustomizeWindowHint), name);
  QVERIFY2(flags.testFlag(Qt::WindowCloseButtonHint), name);
  QVERIFY2(!flags.testFlag(Qt::WindowMinimizeButtonHint), name);
  QVERIFY2(!flags.testFlag(Qt::WindowMaximizeButtonHint), name);
  QVERIFY2(dialog.isModal(), name);
  QVERIFY2(dialog.parentWidget() == &owner, name);
}

// Runs `open`, which blocks in a modal loop, and checks and closes the window it shows.
void CheckModalWindow(const char* name, QWidget& owner, const std::function<void()>& open) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY2(dialog != nullptr, name);
    seen = true;
    CheckDialogWindow(name, *dialog, owner);
    dialog->close();
  });
  open();
  QVERIFY2(seen, name);
}

}  // namespace

class DialogWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void EveryDialogHasACloseButtonOnlyAndIsModal() {
    WindowFixture fixture;
    Game& game = fixture.game();
    MainWindow& window = fixture.window();
    const std::pair<const char*, std::function<std::unique_ptr<QWidget>()>> dialogs[] = {
        {"about", [&] { return std::make_unique<AboutDialog>(game, &window); }},
        {"new game", [&] { return std::make_unique<NewGameDialog>(game, fixture.boxes, &window); }},
        {"options", [&] { return std::make_unique<OptionsDialog>(game, fixture.boxes, &window); }},
        {"save puzzle",
         [&] { return std::make_unique<SavePuzzleDialog>(game, fixture.boxes, &window); }},
    };
    for (const auto& [name, make] : dialogs) {
      CheckDialogWindow(name, *make(), window);
    }
    CheckModalWindow("message box", window,
                     [&] { RunMessageBox(&window, "Text", "Kelvane", MessageStyle::Information); });
    CheckModalWindow("colour", window, [&] { ChooseColourWithDialog(&window); });
  }

  // The dialog's two rows of custom colours read as the list: the spectrum, then the greys.
  void CustomColoursFillTheRowsInOrder() {
    OfferCustomColours();
    for (int i = 0; i < static_cast<int>(kCustomColours.size()); ++i) {
      const int row = i / 8;
      const int column = i % 8;
      const QColor shown = QColorDialog::customColor(column * 2 + row);
      QCOMPARE(shown.rgb(), qRgb(kCustomColours[i] & 0xFF, (kCustomColours[i] >> 8) & 0xFF,
                                 (kCustomColours[i] >> 16) & 0xFF));
    }
  }
};

namespace {
const RegisterTest<DialogWindowTest> registered("DialogWindowTest");
}

}  // namespace kelvane::testing

#include "dialog_window_test.moc"
