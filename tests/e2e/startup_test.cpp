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
  // A missing, corrupt or oversized settings file gives the defaults, written whole at exit, and
  // nothing else is written.
  void SettingsFileIsWrittenWholeAtExit() {
    const std::optional<std::string> cases[] = {std::nullopt, Garbage(4096),
                                                std::string(3 << 20, 'S')};
    for (const std::optional<std::string>& bytes : cases) {
      XSession session;
      if (bytes) {
        WriteBytes(session.Work() / "Kelvane.ini", *bytes);
      }
      auto before = FolderContent(session.Work());
      const QString window = session.Start();
      QVERIFY(!window.isEmpty());
      QCOMPARE(session.ExitThroughMenu(window).value_or(-1), 0);
      AddFilesWrittenAtExit(before);
      const auto after = FolderContent(session.Work());
      QVERIFY2(after == before, ChangedFiles(before, after).c_str());
    }
  }

  // New game reads each corrupt entry in turn and changes none of them.
  void CorruptPuzzleFilesAreLeftAlone() {
    XSession session;
    const fs::path puzzles = session.Work() / "Puzzles";
    WriteBytes(puzzles / "garbage.kvp", Garbage(4096));
    WriteBytes(puzzles / "huge.kvp", "[SIZE]\r\nDX = 3\r\n" + std::string(3 << 20, '1'));
    fs::create_directory(puzzles / "folder.kvp");
    QCOMPARE(mkfifo((puzzles / "pipe.kvp").c_str(), 0600), 0);
    WriteBytes(session.Work() / "Kelvane.ini", "[LAST]\r\nPUZZLE = garbage.kvp\r\n");
    auto before = FolderContent(session.Work());

    const QString window = session.Start();
    QVERIFY(!window.isEmpty());
    session.Keys({"ctrl+n"});
    const QString dialog = session.WaitForWindow("New game");
    QVERIFY(!dialog.isEmpty());
    session.Focus(dialog);
    session.Keys({"Home", "Down", "Down", "Down", "Down", "End", "Escape"});
    QVERIFY(session.WaitForWindowGone("New game"));
    QCOMPARE(session.ExitThroughMenu(window).value_or(-1), 0);

    auto after = FolderContent(session.Work());
    for (const char* written : {"Kelvane.ini", "Extras.ini", "KeptGame.ini"}) {
      after.erase(written);
      before.erase(written);
    }
    QVERIFY2(after == before, ChangedFiles(before, after).c_str());
    QVERIFY(fs::is_fifo(puzzles / "pipe.kvp"));
  }
};

namespace {
const testing::RegisterTest<StartupTest> registered("StartupTest");
}  // namespace

}  // namespace kelvane::e2e

#include "startup_test.moc"
