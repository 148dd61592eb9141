// The About box and the help commands: the version line, Esc, the pages and the home page.
#include <QLabel>
#include <QTest>
#include <vector>

#include "dialog_fixture.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/help_commands.h"
#include "test_registry.h"

namespace kelvane::testing {

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheVersionAndClosesOnEscape() {
    DialogFixture fixture;
    AboutDialog dialog(fixture.game(), nullptr);
    QCOMPARE(dialog.windowTitle(), QString("About"));
    QCOMPARE(dialog.VersionLine().text(), QString("Kelvane version 1.11"));
    dialog.show();
    QTest::keyClick(&dialog, Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
  }
};

class HelpCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void EachMapIdOpensItsPage() {
    DialogFixture fixture;
    for (const char* page : {"index.html", "options.html", "tutorial.html"}) {
      fixture.WriteFile(QString("help/") + page, "<html></html>");
    }
    std::vector<QString> opened;
    const UrlOpener record = [&](const QUrl& url) { opened.push_back(url.toLocalFile()); };
    ShowHelp(kHelpStart, record);
    ShowHelp(kHelpOptions, record);
    ShowHelp(kHelpTutorial, record);
    QCOMPARE(opened.size(), std::size_t{3});
    QVERIFY(opened[0].endsWith("/help/index.html"));
    QVERIFY(opened[1].endsWith("/help/options.html"));
    QVERIFY(opened[2].endsWith("/help/tutorial.html"));
  }

  void AMissingManualOpensNothing() {
    DialogFixture fixture;
    int opened = 0;
    ShowHelp(kHelpTutorial, [&](const QUrl&) { ++opened; });
    OpenHomePage([&](const QUrl&) { ++opened; });
    QCOMPARE(opened, 0);
  }

  void TheHomePageIsTheShortcutsWebAddress() {
    DialogFixture fixture;
    fixture.WriteFile("orrinsoft.url",
                      "[InternetShortcut]\r\nURL=https://kelvane.example.org/\r\n");
    std::vector<QUrl> opened;
    OpenHomePage([&](const QUrl& url) { opened.push_back(url); });
    QCOMPARE(opened.size(), std::size_t{1});
    QCOMPARE(opened[0], QUrl("https://kelvane.example.org/"));
  }

  // The shortcut is a file of the working folder: only web addresses are launched from it.
  void ShortcutsToAnythingButTheWebAreIgnored() {
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL=file:///etc/passwd"));
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL=javascript:alert(1)"));
    QVERIFY(!HomePageUrl("[Other]\nURL=https://kelvane.example.org/"));
    QVERIFY(!HomePageUrl("[InternetShortcut]\nURL="));
    QVERIFY(HomePageUrl("[internetshortcut]\nurl = http://example.org/x"));
  }
};

namespace {
const RegisterTest<AboutDialogTest> registeredAbout("AboutDialogTest");
const RegisterTest<HelpCommandsTest> registeredHelp("HelpCommandsTest");
}  // namespace

}  // namespace kelvane::testing

#include "about_and_help_test.moc"
