// SPDX-License-Identifier: GPL-3.0-or-later
// The library graded against the committed table, so that a changed file or counter is caught.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>

#include "analysis/figure_analysis.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane::testing {
namespace {

struct Grade {
  std::uint64_t completions = 0;
  std::uint64_t distinct = 0;
  std::string tier;
  friend bool operator==(const Grade&, const Grade&) = default;
};

std::map<std::string, Grade> CommittedGrades() {
  std::map<std::string, Grade> grades;
  std::ifstream file(KELVANE_SOURCE_DIR "/tests/analysis/data/library_grades.tsv");
  for (std::string line; std::getline(file, line);) {
    if (line.starts_with('#')) {
      continue;
    }
    std::istringstream fields(line);
    std::string name;
    std::string number;
    Grade grade;
    std::getline(fields, name, '\t');
    std::getline(fields, number, '\t');
    grade.completions = std::stoull(number);
    std::getline(fields, number, '\t');
    grade.distinct = std::stoull(number);
    std::getline(fields, grade.tier);
    grades[name] = grade;
  }
  return grades;
}

TEST(LibraryGrades, EveryFigureHasItsCommittedCountsAndEachTierAtLeastTwelve) {
#ifndef NDEBUG
  GTEST_SKIP() << "counting the whole library belongs to the optimised build";
#endif
  std::map<std::string, Grade> expected = CommittedGrades();
  std::map<std::string, int> perTier;
  int singleDistinct = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(KELVANE_SOURCE_DIR "/resources/Puzzles")) {
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    CellGrid figure;
    const auto text = ReadTextFile(entry.path());
    ASSERT_TRUE(text && ParsePuzzleText(*text, figure));
    const CompletionCounts counts = CountCompletions(figure).value();
    const Grade grade{counts.completions, counts.distinct,
                      std::string(TierName(TierOf(counts.distinct)))};
    EXPECT_EQ(grade, expected[name]) << "regrade with kelvane-tool grade";
    expected.erase(name);
    ++perTier[grade.tier];
    singleDistinct += grade.distinct == 1 ? 1 : 0;
  }
  EXPECT_TRUE(expected.empty()) << "the table names a figure the library lacks";
  for (const char* tier : {"Easy", "Medium", "Hard", "Expert"}) {
    EXPECT_GE(perTier[tier], 12) << tier;
  }
  EXPECT_EQ(perTier["no completion"], 0);
  EXPECT_GT(singleDistinct, 0);
}

}  // namespace
}  // namespace kelvane::testing
