// The installed game as a player meets it: `cmake --install` into a fresh prefix, then the
// desktop entry's command, from a fresh home.
#include <gtest/gtest.h>

#include <sstream>

#include "game_session.h"

namespace kelvane::e2e {
namespace {

constexpr milliseconds kInstallTimeout(120000);

// The words of the entry's Exec line (no quoting: the install prefix has no spaces).
std::vector<std::string> ExecCommand(const fs::path& desktopEntry) {
  std::istringstream lines(FileBytes(desktopEntry).value_or(""));
  std::string line;
  while (std::getline(lines, line)) {
    if (line.starts_with("Exec=")) {
      std::istringstream words(line.substr(5));
      std::vector<std::string> command;
      for (std::string word; words >> word;) {
        command.push_back(word);
      }
      return command;
    }
  }
  return {};
}

using InstalledGame = GameTest;

TEST_F(InstalledGame, DesktopEntryStartsTheGameInASeededPerUserFolder) {
  const fs::path prefix = NewFolder("prefix");
  const CommandResult install = RunCommand(
      {"cmake", "--install", KELVANE_BINARY_DIR, "--prefix", prefix.string()}, kInstallTimeout);
  ASSERT_EQ(install.status, 0) << install.output << install.errors;

  const fs::path entry = prefix / "share/applications/kelvane.desktop";
  const std::vector<std::string> command = ExecCommand(entry);
  ASSERT_FALSE(command.empty()) << "no Exec line in " << entry;
  for (int size : {16, 32, 48, 256}) {
    const std::string folder = std::to_string(size) + "x" + std::to_string(size);
    EXPECT_TRUE(fs::is_regular_file(prefix / "share/icons/hicolor" / folder / "apps/kelvane.png"))
        << folder;
  }

  // Started from anywhere, the game runs in the player's folder, seeded with the library.
  const std::string window = StartProgram(command, NewFolder("elsewhere"));
  ASSERT_FALSE(window.empty());
  EXPECT_EQ(ExitThroughMenu(window), 0);

  const fs::path work = Home() / ".local/share/kelvane";
  const fs::path shipped = fs::path(KELVANE_RESOURCES_DIR) / "Puzzles";
  size_t puzzles = 0;
  for (const fs::directory_entry& puzzle : fs::directory_iterator(shipped)) {
    EXPECT_EQ(FileBytes(work / "Puzzles" / puzzle.path().filename()), FileBytes(puzzle.path()));
    ++puzzles;
  }
  EXPECT_GT(puzzles, 0u);
  EXPECT_TRUE(fs::is_regular_file(work / "victory.wav"));
  EXPECT_TRUE(fs::is_regular_file(work / "orrinsoft.url"));
  EXPECT_TRUE(fs::is_regular_file(work / "help/index.html"));
  EXPECT_TRUE(fs::is_regular_file(work / "Kelvane.ini")) << "the settings stay in the folder";
  EXPECT_TRUE(fs::is_empty(Home() / "../elsewhere")) << "nothing is written where it started";
}

}  // namespace
}  // namespace kelvane::e2e
