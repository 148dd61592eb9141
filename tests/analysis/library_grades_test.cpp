// SPDX-License-Identifier: GPL-3.0-or-later
// The library graded against the committed table, so that a changed file or counter is caught.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <tuple>

#include "analysis/figure_analysis.h"
#include "figures.h"
#include "model/solved_puzzles.h"

namespace kelvane::testing {
namespace {

TEST(LibraryGrades, EveryFigureHasItsCommittedCountsAnOwnShapeAndEachTierAtLeastTwentyFive) {
#ifndef NDEBUG
  GTEST_SKIP() << "counting the whole library belongs to the optimised build";
#endif
  // Name, completions, distinct completions, tier.
  using Grade = std::tuple<std::uint64_t, std::uint64_t, std::string>;
  std::map<std::string, Grade> expected;
  std::ifstream table(KELVANE_SOURCE_DIR "/tests/analysis/data/library_grades.tsv");
  for (std::string line; std::getline(table, line);) {
    if (!line.starts_with('#')) {
      std::istringstream fields(line);
      std::string name;
      std::getline(fields, name, '\t');
      auto& [completions, distinct, tier] = expected[name];
      fields >> completions >> distinct >> tier;
    }
  }
  std::map<std::string, int> perTier;
  // Solved marks are keyed by shape: two files of one shape would tick each other.
  std::map<std::string, std::string> nameOfShape;
  int singleDistinct = 0;
  for (const auto& entry :
       std::filesystem::directory_iterator(KELVANE_SOURCE_DIR "/resources/Puzzles")) {
    const std::string name = entry.path().stem().string();
    SCOPED_TRACE(name);
    const CellGrid figure = LibraryFigure(name);
    const auto [named, unique] = nameOfShape.emplace(FigureKey(figure), name);
    EXPECT_TRUE(unique) << "the same shape as " << named->second;
    const CompletionCounts counts = CountCompletions(figure).value();
    const std::string tier(TierName(TierOf(counts.distinct)));
    EXPECT_EQ(Grade(counts.completions, counts.distinct, tier), expected[name])
        << "regrade with kelvane-tool grade";
    expected.erase(name);
    ++perTier[tier];
    singleDistinct += counts.distinct == 1 ? 1 : 0;
  }
  EXPECT_TRUE(expected.empty()) << "the table names a figure the library lacks";
  for (const char* tier : {"Easy", "Medium", "Hard", "Expert"}) {
    EXPECT_GE(perTier[tier], 25) << tier;
  }
  EXPECT_EQ(perTier["no completion"], 0);
  EXPECT_GT(singleDistinct, 0);
}

}  // namespace
}  // namespace kelvane::testing
