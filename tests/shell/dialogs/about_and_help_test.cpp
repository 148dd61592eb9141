// SPDX-License-Identifier: GPL-3.0-or-later
// The About box and the help commands: the version line, Esc, the pages and the home page.
#include <QLabel>
#include <QTest>

#include "dialog_fixture.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/help_commands.h"
#include "test_registry.h"

namespace kelvane::testing {

class AboutDialogTest : public QObject {
  Q_OBJECT

 private slots:
  void ShowsTheVersion() {
    DialogFixture fixture;
    AboutDialog dialog(fixture.game(), nullptr);
    QCOMPARE(dialog.VersionLine().text(), QString("Kelvane version 1.11"));
  }
};

class HelpCommandsTest : public QObject {
  Q_OBJECT

 private slots:
  void AMissingManualOpensNothing() {
    DialogFixture fixture;
    int opened = 0;
    ShowHelp(kHelpTutorial, [&](const QUrl&) { ++opened; });
    OpenHomePage([&](const QUrl&) { ++opened; });
    QCOMPARE(opened, 0);
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
