// SPDX-License-Identifier: GPL-3.0-or-later
// Reading whole files, and replacing them through a temporary file: the old file survives every
// failure.
#include "storage/text_file.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

#include <csignal>
#include <functional>
#include <vector>

#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

using TextFile = testing::InTemporaryDirectory;

// Nothing is written over what is not a writable regular file, nor where no folder is; each
// obstacle is left as it was and no temporary file stays behind.
TEST_F(TextFile, ObstaclesAreNotReplaced) {
  const std::pair<std::string, std::function<void()>> obstacles[] = {
      {"read-only file",
       [] {
         WriteFile("x.kvp", "old");
         fs::permissions("x.kvp", fs::perms::owner_write, fs::perm_options::remove);
       }},
      {"folder", [] { fs::create_directory("x.kvp"); }},
      {"named pipe", [] { ASSERT_EQ(mkfifo("x.kvp", 0600), 0); }},
      {"no folder", [] {}},
  };
  for (const auto& [name, lay] : obstacles) {
    if (name == "named pipe" && !testing::kPipesAndSizeLimits) {
      continue;
    }
    SCOPED_TRACE(name);
    lay();
    const auto before = Snapshot();
    const fs::path target = name == "no folder" ? "missing/x.kvp" : "x.kvp";
    EXPECT_EQ(ReplaceFile(target, "new"), FileWriteResult::NotCreated);
    EXPECT_EQ(Snapshot(), before);
    fs::remove_all(*target.begin());
  }
}

// A longer file leaves nothing behind the new text; a write cut short (here by the file-size
// limit) leaves the old file whole.
TEST_F(TextFile, ReplacingLeavesExactlyTheNewTextOrTheOldFileWhole) {
  WriteFile("cube.kvp", std::string(500, 'x'));
  EXPECT_EQ(ReplaceFile("cube.kvp", "old"), FileWriteResult::Written);
  if (!testing::kPipesAndSizeLimits) {
    GTEST_SKIP() << "no file-size limit to cut the write short";
  }
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 16;
  setrlimit(RLIMIT_FSIZE, &small);
  const FileWriteResult result = ReplaceFile("cube.kvp", std::string(100, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(result, FileWriteResult::NotWritten);
  EXPECT_EQ(Snapshot(), (std::map<std::string, std::string>{{"cube.kvp", "old"}}));
}

// A link keeps pointing at its file, which gets the text and keeps its mode; leftovers of
// crashed saves neither stop a save nor stay once swept, and other hidden files stay.
TEST_F(TextFile, ReplacingFollowsLinksKeepsModesAndOutlivesLeftovers) {
  WriteFile("Kelvane.ini", "old");
  fs::permissions("Kelvane.ini", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("Kelvane.ini", "link.ini");
  for (int i = 0; i < 100; ++i) {
    WriteFile(".game.ini." + std::to_string(i) + ".tmp", "stale");
  }
  WriteFile(".hidden", "kept");
  WriteFile(".x.tmp", "kept");
  for (const char* name : {"link.ini", "game.ini"}) {
    EXPECT_EQ(ReplaceFile(name, "new"), FileWriteResult::Written) << name;
  }
  EXPECT_TRUE(fs::is_symlink("link.ini"));
  EXPECT_EQ(FileBytes("Kelvane.ini"), "new");
  EXPECT_EQ(fs::status("Kelvane.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  RemoveStaleTemporaries(".");
  const auto left = Snapshot();
  std::vector<std::string> names;
  for (const auto& [name, text] : left) {
    names.push_back(name);
  }
  EXPECT_EQ(names, (std::vector<std::string>{".hidden", ".x.tmp", "Kelvane.ini", "game.ini",
                                             "link.ini*"}));
}

// Only whole regular files are read: a pipe or a link to an endless device would block the
// game or fill its memory.
TEST_F(TextFile, ReadsWholeRegularFilesOnly) {
  WriteFile("a.txt", std::string("a\0b\r\n", 5));
  EXPECT_EQ(ReadTextFile("a.txt"), std::string("a\0b\r\n", 5));
  fs::create_directory("folder");
  ASSERT_EQ(mkfifo("pipe", 0600), 0);
  fs::create_symlink("/dev/zero", "endless");
  WriteFile("huge.txt", std::string(kMaxTextFileSize + 1, '1'));
  for (const std::string unreadable : {"missing.txt", "folder", "pipe", "endless", "huge.txt"}) {
    if (unreadable == "pipe" && !testing::kPipesAndSizeLimits) {
      continue;
    }
    EXPECT_EQ(ReadTextFile(unreadable), std::nullopt) << unreadable;
  }
}

}  // namespace
}  // namespace kelvane
