// SPDX-License-Identifier: GPL-3.0-or-later
// Replacing files through a temporary file: the old file survives every failure.
#include "storage/text_file.h"

#include <gtest/gtest.h>

#include <sys/resource.h>

#include <csignal>
#include <iterator>

#include "scoped_temp_dir.h"

namespace kelvane {
namespace {

namespace fs = std::filesystem;

class TextFile : public testing::InTemporaryDirectory {
 protected:
  static int EntriesHere() {
    return static_cast<int>(std::distance(fs::directory_iterator("."), fs::directory_iterator()));
  }
};

TEST_F(TextFile, ReplacingALongerFileLeavesExactlyTheNewText) {
  WriteFile("cube.kvp", std::string(500, 'x'));
  EXPECT_EQ(ReplaceFile("cube.kvp", "new\r\n"), FileWriteResult::Written);
  EXPECT_EQ(FileBytes("cube.kvp"), "new\r\n");
  EXPECT_EQ(EntriesHere(), 1);
}

// Guards against a write cut short (here by the file-size limit) replacing the old file.
TEST_F(TextFile, FailedWriteLeavesTheOldFileWhole) {
  WriteFile("cube.kvp", "old");
  std::signal(SIGXFSZ, SIG_IGN);
  rlimit saved{};
  getrlimit(RLIMIT_FSIZE, &saved);
  rlimit small = saved;
  small.rlim_cur = 16;
  setrlimit(RLIMIT_FSIZE, &small);
  const FileWriteResult result = ReplaceFile("cube.kvp", std::string(100, 'x'));
  setrlimit(RLIMIT_FSIZE, &saved);
  EXPECT_EQ(result, FileWriteResult::NotWritten);
  EXPECT_EQ(FileBytes("cube.kvp"), "old");
  EXPECT_EQ(EntriesHere(), 1);
}

TEST_F(TextFile, ReadOnlyFileIsNotReplaced) {
  WriteFile("kept.kvp", "old");
  fs::permissions("kept.kvp",
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  EXPECT_EQ(ReplaceFile("kept.kvp", "new"), FileWriteResult::NotCreated);
  EXPECT_EQ(FileBytes("kept.kvp"), "old");
  EXPECT_EQ(EntriesHere(), 1);
}

TEST_F(TextFile, FolderOrMissingFolderCannotBeWritten) {
  fs::create_directory("x.kvp");
  EXPECT_EQ(ReplaceFile("x.kvp", "new"), FileWriteResult::NotCreated);
  EXPECT_TRUE(fs::is_directory("x.kvp"));
  EXPECT_EQ(ReplaceFile("no-such-folder/x.kvp", "new"), FileWriteResult::NotCreated);
  EXPECT_EQ(EntriesHere(), 1);
}

TEST_F(TextFile, ReadsWholeRegularFilesOnly) {
  WriteFile("a.txt", std::string("a\0b\r\n", 5));
  EXPECT_EQ(ReadTextFile("a.txt"), std::string("a\0b\r\n", 5));
  EXPECT_EQ(ReadTextFile("missing.txt"), std::nullopt);
  fs::create_directory("folder");
  EXPECT_EQ(ReadTextFile("folder"), std::nullopt);
  WriteFile("huge.txt", std::string(kMaxTextFileSize + 1, '1'));
  EXPECT_EQ(ReadTextFile("huge.txt"), std::nullopt);
}

}  // namespace
}  // namespace kelvane
