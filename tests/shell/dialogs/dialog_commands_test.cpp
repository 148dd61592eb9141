// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu commands reach the dialogs, the help pages and the home page.
#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <functional>
#include <vector>

#include "model/char_buffer.h"
#include "model/command_ids.h"
#include "shell/dialogs/colour_chooser.h"
#include "shell/dialogs/help_commands.h"
#include "shell/dialogs/help_window.h"
#include "shell/dialogs/install_dialogs.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/qt_colour.h"
#include "shell/message_box.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {
namespace {

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
  // Missing pages and a missing shortcut open nothing. The manual opens in the game's help window
  // with its pages, Back and links; only "Open in browser" and the home page reach the desktop,
  // and a desktop that cannot open the home page leaves its address in a message.
  void HelpCommandsOpenTheirPagesAndOnlyAWebHomePage() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    std::vector<QUrl> opened;
    bool desktopOpens = true;
    InstallDialogs(window, fixture.game(), [&](const QUrl& url) {
      opened.push_back(url);
      return desktopOpens;
    });
    const int commands[] = {kCmdUserManual, kCmdTutorial, kCmdHomePage};
    for (const int command : commands) {
      window.RunCommand(command);
    }
    QVERIFY(opened.empty());
    QVERIFY(window.findChild<HelpWindow*>() == nullptr);

    WriteTestFile("help/index.html",
                  "<html><head><title>Kelvane — User manual</title></head><body>"
                  "<a href=\"tutorial.html#first\">Tutorial</a></body></html>");
    WriteTestFile("help/tutorial.html",
                  "<html><head><title>Tutorial — Kelvane manual</title></head>"
                  "<body><a name=\"first\">First</a></body></html>");
    WriteTestFile("orrinsoft.url", "[InternetShortcut]\r\nURL=https://kelvane.example.org/\r\n");
    window.RunCommand(kCmdUserManual);
    auto* help = window.findChild<HelpWindow*>();
    QVERIFY(help != nullptr && help->isVisible());
    QVERIFY(help->Browser().source().toLocalFile().endsWith("/help/index.html"));
    QCOMPARE(help->Contents().count(), 2);
    QCOMPARE(help->Contents().item(1)->text(), QString("Tutorial"));
    window.RunCommand(kCmdTutorial);
    QCOMPARE(window.findChildren<HelpWindow*>().size(), 1);
    QVERIFY(help->Browser().source().toLocalFile().endsWith("/help/tutorial.html"));
    QCOMPARE(help->Contents().currentRow(), 1);
    help->Browser().backward();
    QVERIFY(help->Browser().source().toLocalFile().endsWith("/help/index.html"));
    emit help->Browser().anchorClicked(QUrl("tutorial.html#first"));
    QCOMPARE(help->Browser().source().fragment(), QString("first"));
    QVERIFY(opened.empty());
    help->OpenInBrowserButton().click();
    window.RunCommand(kCmdHomePage);
    QCOMPARE(opened.size(), std::size_t{2});
    QVERIFY(opened[0].toLocalFile().endsWith("/help/tutorial.html"));
    QCOMPARE(opened[1], QUrl("https://kelvane.example.org/"));
    desktopOpens = false;
    window.RunCommand(kCmdHomePage);
    QVERIFY(fixture.boxes.messages.back().text.find("https://kelvane.example.org/") !=
            std::string::npos);
    // The shortcut is a file of the working folder: only web addresses are launched from it.
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL=file:///etc/passwd"));
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL=javascript:alert(1)"));
    QVERIFY(!HomePageUrl("[Other]\nURL=https://kelvane.example.org/"));
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL="));
    QVERIFY(HomePageUrl("[internetshortcut]\nurl = http://example.org/x"));
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

  // Close button only (without the customising flag the window manager adds all of its own),
  // modal, over the main window, with no label or check box within two pixels of another control in
  // the real font; the custom colours read row by row in the colour dialog.
  void DialogsHaveACloseButtonOnlyAndStayModal() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    InstallDialogs(window, fixture.game());
    const std::function<void()> openers[] = {
        [&] { window.RunCommand(kCmdAbout); }, [&] { window.RunCommand(kCmdNew); },
        [&] { window.RunCommand(kCmdOptions); },
        [&] { RunMessageBox(&window, "Text", "Kelvane", MessageStyle::Information); },
        [&] { ChooseColourWithDialog(&window); }};
    for (const std::function<void()>& open : openers) {
      Qt::WindowFlags flags;
      QWidget* owner = nullptr;
      QStringList touching;
      QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        flags = dialog->windowFlags();
        owner = dialog->parentWidget();
        const QList<QWidget*> controls = dialog->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* text : controls) {
          if (qobject_cast<QLabel*>(text) == nullptr && qobject_cast<QCheckBox*>(text) == nullptr) {
            continue;
          }
          // What the text and its mark take, left-aligned in the control.
          const QRect ink(text->pos(),
                          QSize(std::min(text->width(), text->sizeHint().width()), text->height()));
          for (QWidget* other : controls) {
            if (other != text && qobject_cast<QGroupBox*>(other) == nullptr &&
                other->isVisibleTo(dialog) &&
                ink.adjusted(-2, 0, 2, 0).intersects(other->geometry())) {
              touching << text->property("text").toString();
            }
          }
        }
        dialog->close();
      });
      open();
      constexpr Qt::WindowFlags kCloseOnly = Qt::CustomizeWindowHint | Qt::WindowCloseButtonHint;
      QCOMPARE(flags & (kCloseOnly | Qt::WindowMinMaxButtonsHint), kCloseOnly);
      QCOMPARE(owner, &window);
      QVERIFY2(touching.isEmpty(), qPrintable(touching.join(", ")));
    }
    for (int i = 0; i < static_cast<int>(kCustomColours.size()); ++i) {
      QCOMPARE(QColorDialog::customColor(i % 8 * 2 + i / 8), QColorOf(kCustomColours[i]));
    }
  }

  // OK without a selection explains and stays; a double click starts the entry.
  void NewGameStartsTheChosenFigureInTheWindow() {
    WindowFixture fixture;
    WriteTestFile("Puzzles/a.kvp", "[SIZE]\r\nDX=1\r\nDY=1\r\nDZ=1\r\n[Z0]\r\nY0=1");
    WriteTestFile("Puzzles/cube.kvp", CubePuzzleText());
    InstallDialogs(fixture.window(), fixture.game());
    WithModalDialog(fixture.window(), kCmdNew, [&](QWidget& dialog) {
      auto& newGame = *qobject_cast<NewGameDialog*>(&dialog);
      QTest::mouseClick(&newGame.OkButton(), Qt::LeftButton);
      QCOMPARE(fixture.boxes.messages.size(), std::size_t{1});
      QVERIFY(newGame.isVisible());
      QListWidget& list = newGame.FileList();
      const QPoint onCube = list.visualItemRect(list.item(1)).center();
      QTest::mouseClick(list.viewport(), Qt::LeftButton, {}, onCube);
      QTest::mouseDClick(list.viewport(), Qt::LeftButton, {}, onCube);
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
