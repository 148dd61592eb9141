// SPDX-License-Identifier: GPL-3.0-or-later
// The game's files survive an end without Exit: a signal saves the game in play, and leftovers of
// crashed saves neither stay nor stop the next save.
#include <QTest>
#include <csignal>

#include "shell/test_registry.h"
#include "x_session.h"

namespace kelvane::e2e {

class KeptFilesTest : public QObject {
  Q_OBJECT

 private slots:
  // The choice is saved while the game runs; files removed after that are written again by
  // SIGTERM itself, and the next start continues on them.
  void SigtermSavesTheGameAndTheNextStartContinuesIt() {
    XSession x;
    const fs::path kept = x.Work() / "KeptGame.ini";
    QVERIFY(!x.Start().isEmpty());
    x.Keys({"Home", "Down", "Down"});
    QTRY_VERIFY_WITH_TIMEOUT(FileBytes(kept).find("SELECTED = 2\r\n") != std::string::npos, 20000);
    const std::string keptText = FileBytes(kept);
    fs::remove(kept);
    fs::remove(x.Work() / "Kelvane.ini");
    QCOMPARE(x.Signal(SIGTERM).value_or(-1), 0);
    QCOMPARE(FileBytes(kept), keptText);
    QVERIFY(fs::exists(x.Work() / "Kelvane.ini"));

    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
    QCOMPARE(FileBytes(kept), keptText);
  }

  void HundredLeftoversOfCrashedSavesAreSweptAndTheFilesSaved() {
    XSession x;
    auto expected = FolderContent(x.Work());
    for (const char* file : {"Kelvane.ini", "KeptGame.ini"}) {
      for (int i = 0; i < 100; ++i) {
        WriteBytes(x.Work() / ("." + std::string(file) + "." + std::to_string(i) + ".tmp"), "x");
      }
    }
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
    AddFilesWrittenAtExit(expected);
    const auto after = FolderContent(x.Work());
    QVERIFY2(after == expected, ChangedFiles(expected, after).c_str());
  }
};

namespace {
const testing::RegisterTest<KeptFilesTest> registered("KeptFilesTest");
}  // namespace

}  // namespace kelvane::e2e

#include "kept_files_test.moc"
