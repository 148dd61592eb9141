// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu commands reach the dialogs and the help pages.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <functional>
#include <vector>

#include "dialog_fixture.h"
#include "model/char_buffer.h"
#include "model/command_ids.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/install_dialogs.h"
#include "shell/dialogs/new_game_dialog.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

void WriteText(const QString& path, std::string_view text) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(text.data(), static_cast<qint64>(text.size()));
}

// Runs `command` on the window while `act` deals with the modal dialog it opens.
void WithModalDialog(MainWindow& window, int command, std::function<void(QWidget&)> act) {
  bool seen = false;
  QTimer::singleShot(0, [&] {
    QWidget* dialog = QApplication::activeModalWidget();
    QVERIFY(dialog != nullptr);
    seen = true;
    act(*dialog);
  });
  window.RunCommand(command);
  QVERIFY(seen);
}

}  // namespace

class DialogCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void HelpCommandsOpenTheirPagesAndTheHomePage() {
    WindowFixture fixture;
    QDir().mkpath("help");
    for (const char* page : {"help/index.html", "help/tutorial.html"}) {
      WriteText(page, "<html></html>");
    }
    WriteText("orrinsoft.url", "[InternetShortcut]\r\nURL=https://kelvane.example.org/\r\n");
    std::vector<QUrl> opened;
    InstallDialogs(fixture.window(), fixture.game(),
                   [&](const QUrl& url) { opened.push_back(url); });

    fixture.window().RunCommand(kCmdUserManual);
    fixture.window().RunCommand(kCmdTutorial);
    fixture.window().RunCommand(kCmdHomePage);
    QCOMPARE(opened.size(), std::size_t{3});
    QVERIFY(opened[0].toLocalFile().endsWith("/help/index.html"));
    QVERIFY(opened[1].toLocalFile().endsWith("/help/tutorial.html"));
    QCOMPARE(opened[2], QUrl("https://kelvane.example.org/"));
  }

  void AboutOpensModallyAndEscapeClosesIt() {
    WindowFixture fixture;
    InstallDialogs(fixture.window(), fixture.game());
    QString title;
    WithModalDialog(fixture.window(), kCmdAbout, [&](QWidget& dialog) {
      title = dialog.windowTitle();
      QTest::keyClick(&dialog, Qt::Key_Escape);
    });
    QCOMPARE(title, QString("About"));
  }

  void NewGameStartsTheChosenFigureInTheWindow() {
    WindowFixture fixture;
    QDir().mkpath("Puzzles");
    WriteText("Puzzles/cube.kvp", CubePuzzleText());
    InstallDialogs(fixture.window(), fixture.game());
    WithModalDialog(fixture.window(), kCmdNew, [](QWidget& dialog) {
      auto& newGame = *qobject_cast<NewGameDialog*>(&dialog);
      newGame.FileList().setCurrentRow(0);
      QTest::mouseClick(&newGame.OkButton(), Qt::LeftButton);
    });
    QCOMPARE(GridExtents(fixture.game().figure), (Extents{3, 3, 3}));
    QCOMPARE(BufferText(fixture.game().settings.PUZZLE), std::string_view("cube.kvp"));
  }
};

namespace {
const RegisterTest<DialogCommandsTest> registered("DialogCommandsTest");
}

}  // namespace kelvane::testing

#include "dialog_commands_test.moc"
