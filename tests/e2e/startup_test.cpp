// The game starts, shows its window and ends cleanly whatever state its files are in.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include <random>

#include "game_session.h"

namespace kelvane::e2e {
namespace {

const std::string kDefaultSettings =
    "[LAST]\r\nPUZZLE = \r\n\r\n[OPTIONS]\r\nCOLOR_BACK = 13158600\r\nCOLOR_INK = 9868950\r\n"
    "SCALE = 4\r\nSHOW_CHECKERS = 1\r\nSHOW_HELPERS = 1\r\nSKIN_INDEX = 1\r\n\r\n";

constexpr milliseconds kDialogTimeout(10000);

using Startup = GameTest;

TEST_F(Startup, FirstRunShowsTheWindowAndWritesTheDefaultSettingsAtExit) {
  const auto before = FolderContent(WorkingFolder());
  const std::string window = StartGame();
  ASSERT_FALSE(window.empty());
  EXPECT_EQ(ExitThroughMenu(window), 0);

  auto after = FolderContent(WorkingFolder());
  EXPECT_EQ(after["Kelvane.ini"], kDefaultSettings);
  after.erase("Kelvane.ini");
  EXPECT_EQ(after, before) << "the game wrote something besides its settings";
}

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

TEST_F(Startup, CorruptOrOversizedSettingsStartWithDefaultsAndAreRewrittenWhole) {
  for (const std::string& bytes : {Garbage(4096), std::string(3 << 20, 'S')}) {
    WriteBytes(WorkingFolder() / "Kelvane.ini", bytes);
    const std::string window = StartGame();
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(ExitThroughMenu(window), 0);
    EXPECT_EQ(FileBytes(WorkingFolder() / "Kelvane.ini"), kDefaultSettings);
  }
}

TEST_F(Startup, AFolderInPlaceOfTheSettingsStartsAndIsLeftAlone) {
  fs::create_directory(WorkingFolder() / "Kelvane.ini");
  const auto before = FolderContent(WorkingFolder());
  const std::string window = StartGame();
  ASSERT_FALSE(window.empty());
  EXPECT_EQ(ExitThroughMenu(window), 0);
  EXPECT_EQ(FolderContent(WorkingFolder()), before);
}

TEST_F(Startup, CorruptPuzzleFilesStartTheGameAndAreLeftAlone) {
  const fs::path puzzles = WorkingFolder() / "Puzzles";
  WriteBytes(puzzles / "garbage.kvp", Garbage(4096));
  WriteBytes(puzzles / "huge.kvp", "[SIZE]\r\nDX = 3\r\n" + std::string(3 << 20, '1'));
  fs::create_directory(puzzles / "folder.kvp");
  ASSERT_EQ(mkfifo((puzzles / "pipe.kvp").c_str(), 0600), 0);
  // The last puzzle chosen is one of them.
  WriteBytes(WorkingFolder() / "Kelvane.ini", "[LAST]\r\nPUZZLE = garbage.kvp\r\n");
  const auto before = FolderContent(WorkingFolder());

  const std::string window = StartGame();
  ASSERT_FALSE(window.empty());
  // New game previews the preselected file and then every entry in turn, reading each one.
  Display().Keys({"ctrl+n"});
  const std::optional<std::string> dialog = Display().WaitForWindow("New game", kDialogTimeout);
  ASSERT_TRUE(dialog.has_value()) << "no New game dialog";
  Display().Focus(*dialog);
  Display().Keys({"Home", "Down", "Down", "Down", "Down", "End", "Escape"});
  EXPECT_TRUE(WaitUntil([&] { return !Display().WindowExists("New game"); }, kDialogTimeout));
  EXPECT_EQ(ExitThroughMenu(window), 0);

  auto after = FolderContent(WorkingFolder());
  after.erase("Kelvane.ini");
  auto expected = before;
  expected.erase("Kelvane.ini");
  EXPECT_EQ(after, expected);
  EXPECT_TRUE(fs::is_fifo(puzzles / "pipe.kvp"));
}

}  // namespace
}  // namespace kelvane::e2e
