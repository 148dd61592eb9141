// SPDX-License-Identifier: GPL-3.0-or-later
// The installed game as a player meets it: `cmake --install` into a fresh prefix, then the
// desktop entry's command, from a fresh home.
#include <QRegularExpression>
#include <QTest>

#include "shell/test_registry.h"
#include "x_session.h"

namespace kelvane::e2e {

class InstalledGameTest : public QObject {
  Q_OBJECT

 private slots:
  void DesktopEntryStartsTheGameInASeededPerUserFolder() {
    XSession session;
    const fs::path prefix = session.NewFolder("prefix");
    QProcess install;
    install.setProcessChannelMode(QProcess::MergedChannels);
    install.start("cmake", {"--install", KELVANE_BINARY_DIR, "--prefix",
                            QString::fromStdString(prefix.string())});
    QVERIFY(install.waitForFinished(120000));
    QVERIFY2(install.exitCode() == 0, install.readAll().constData());

    // The words of the entry's Exec line (the prefix has no spaces to quote).
    const QString entry =
        QString::fromStdString(FileBytes(prefix / "share/applications/kelvane.desktop"));
    const QRegularExpressionMatch exec =
        QRegularExpression("^Exec=(.*)$", QRegularExpression::MultilineOption).match(entry);
    QVERIFY2(exec.hasMatch(), "no Exec line in the desktop entry");
    for (const char* size : {"16x16", "32x32", "48x48", "256x256"}) {
      QVERIFY2(fs::is_regular_file(prefix / "share/icons/hicolor" / size / "apps/kelvane.png"),
               size);
    }

    // Started from anywhere, the game runs in the player's folder, seeded with the library (which
    // takes the launcher a while on a busy machine).
    const fs::path elsewhere = session.NewFolder("elsewhere");
    const QString window = session.Start(exec.captured(1).split(' '), elsewhere, 120000);
    QVERIFY(!window.isEmpty());
    QCOMPARE(session.ExitThroughMenu(window).value_or(-1), 0);

    const fs::path work = session.Home() / ".local/share/kelvane";
    const fs::path shipped = fs::path(KELVANE_RESOURCES_DIR) / "Puzzles";
    QVERIFY(!fs::is_empty(shipped));
    QVERIFY(FolderContent(work / "Puzzles") == FolderContent(shipped));
    for (const char* file : {"victory.wav", "orrinsoft.url", "help/index.html", "Kelvane.ini"}) {
      QVERIFY2(fs::is_regular_file(work / file), file);
    }
    QVERIFY2(fs::is_empty(elsewhere), "nothing is written where it started");
  }
};

namespace {
const testing::RegisterTest<InstalledGameTest> registered("InstalledGameTest");
}  // namespace

}  // namespace kelvane::e2e

#include "installed_game_test.moc"
