// SPDX-License-Identifier: GPL-3.0-or-later
// Runs a test inside a fresh, empty temporary directory and returns to where it was afterwards.
#pragma once

#include <gtest/gtest.h>
#include <stdlib.h>

#include "support/file_content.h"

namespace kelvane::testing {

// Node's file emulation, where the web build's tests run, makes no named pipes and keeps no
// file-size limit: the cases that need either are left out there.
#ifdef __EMSCRIPTEN__
inline constexpr bool kPipesAndSizeLimits = false;
#else
inline constexpr bool kPipesAndSizeLimits = true;
#endif

class InTemporaryDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    previous_ = std::filesystem::current_path();
    std::string pattern = (std::filesystem::temp_directory_path() / "kelvane-test-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    directory_ = pattern;
    std::filesystem::current_path(directory_);
  }

  void TearDown() override {
    std::filesystem::current_path(previous_);
    std::error_code ignored;
    std::filesystem::remove_all(directory_, ignored);
  }

  static constexpr auto WriteFile = &WriteBytes;
  static constexpr auto FileBytes = &testing::FileBytes;
  static std::map<std::string, std::string> Snapshot() { return FolderContent("."); }

 private:
  std::filesystem::path previous_;
  std::filesystem::path directory_;
};

}  // namespace kelvane::testing
