// SPDX-License-Identifier: GPL-3.0-or-later
// The game starts, shows its window and ends cleanly whatever state its files on disk are in.
#include <sys/stat.h>

#include <QTest>
#include <random>

#include "shell/test_registry.h"
#include "x_session.h"

namespace kelvane::e2e {
namespace {

// Bytes of every value but '=' and '[', so that no key or section can arise by chance.
std::string Garbage(size_t count) {
  std::mt19937 random(7);
  std::string bytes(count, '\0');
  for (char& byte : bytes) {
    do {
      byte = static_cast<char>(random() & 0xFF);
    } while (byte == '=' || byte == '[');
  }
  return bytes;
}

}  // namespace

class StartupTest : public QObject {
  Q_OBJECT

 private slots:
  // Garbage settings and kept game, and library entries that are garbage, oversized, a folder or
  // a pipe: the game starts on the defaults, New game reads each entry in turn and changes none,
  // the kept game is set aside, and at exit the settings and the game are written whole.
  void BadFilesOnDiskAreReadAndLeftAlone() {
    XSession session;
    const fs::path puzzles = session.Work() / "Puzzles";
    WriteBytes(puzzles / "garbage.kvp", Garbage(4096));
    WriteBytes(puzzles / "huge.kvp", "[SIZE]\r\nDX = 3\r\n" + std::string(3 << 20, '1'));
    fs::create_directory(puzzles / "folder.kvp");
    QCOMPARE(mkfifo((puzzles / "pipe.kvp").c_str(), 0600), 0);
    // Only the last puzzle's line reads, so New game opens on the garbage entry.
    WriteBytes(session.Work() / "Kelvane.ini",
               "[LAST]\r\nPUZZLE = garbage.kvp\r\n" + Garbage(4096));
    WriteBytes(session.Work() / "KeptGame.ini", Garbage(4096));
    auto expected = FolderContent(session.Work());

    const QString window = session.Start();
    QVERIFY(!window.isEmpty());
    session.Keys({"ctrl+n"});
    const QString dialog = session.WaitForWindow("New game");
    QVERIFY(!dialog.isEmpty());
    session.Focus(dialog);
    session.Keys({"Home", "Down", "Down", "Down", "Down", "End", "Escape"});
    QVERIFY(session.WaitForWindowCount("New game", 0));
    QCOMPARE(session.ExitThroughMenu(window).value_or(-1), 0);

    expected["KeptGame.ini.bad"] = expected["KeptGame.ini"];
    AddFilesWrittenAtExit(expected, "garbage.kvp");
    const auto after = GameFolderContent(session.Work());
    QVERIFY2(after == expected, ChangedFiles(expected, after).c_str());
  }
};

namespace {
const testing::RegisterTest<StartupTest> registered("StartupTest");
}  // namespace

}  // namespace kelvane::e2e

#include "startup_test.moc"
