// SPDX-License-Identifier: GPL-3.0-or-later
// The library by difficulty: its order and tier line, Next puzzle, and the grade cache.
#include "storage/library_order.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

#include "model/char_buffer.h"
#include "model/solved_puzzles.h"
#include "scoped_temp_dir.h"
#include "storage/grade_text.h"
#include "storage/next_puzzle.h"
#include "storage/puzzle_file.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

using Names = std::vector<std::string>;

// A row of `length` cubes: a figure of its own for each length.
CellGrid Bar(int length) {
  CellGrid figure;
  for (int x = 0; x < length; ++x) {
    figure.at(x, 0, 0) = kPlainCube;
  }
  return figure;
}

class Library : public testing::InTemporaryDirectory {
 protected:
  // By difficulty: arch, cup (Easy), Elk (Medium), Tower (Hard), Bell (Expert), then Bad
  // (unreadable) and Dog (not graded) by name.
  void SetUp() override {
    InTemporaryDirectory::SetUp();
    for (const auto& [name, length, tier] : {std::tuple{"Tower", 1, Tier::Hard},
                                             {"arch", 2, Tier::Easy},
                                             {"Bell", 3, Tier::Expert},
                                             {"cup", 4, Tier::Easy},
                                             {"Dog", 5, Tier::None},
                                             {"Elk", 6, Tier::Medium}}) {
      WriteFile("Puzzles/" + std::string(name) + ".kvp", FormatPuzzleText(Bar(length)));
      if (length != 5) {
        grades.tiers[FigureKey(Bar(length))] = tier;
      }
    }
    WriteFile("Puzzles/Bad.kvp", "not a puzzle");
  }

  void Solve(std::initializer_list<int> lengths) {
    for (const int length : lengths) {
      game->solved.figures.insert(FigureKey(Bar(length)));
    }
  }

  std::unique_ptr<Game> game = std::make_unique<Game>();
  PuzzleGrades grades;
};

TEST_F(Library, ByDifficultyClimbsTheTiersByNameWithinEachUngradedLastAndCountsEachTier) {
  Solve({1, 2});
  SetBufferText(game->settings.PUZZLE, "bell.KVP");
  NewGameList list = OpenNewGameList(*game);
  const NewGameList byName = list;
  OrderNewGameList(list, LibraryOrder::ByDifficulty, grades);
  EXPECT_EQ(list.entries, (Names{"arch.kvp", "cup.kvp", "Elk.kvp", "Tower.kvp", "Bell.kvp",
                                 "Bad.kvp", "Dog.kvp"}));
  EXPECT_EQ(list.solved, (std::vector<bool>{true, false, false, true, false, false, false}));
  EXPECT_EQ(list.selection, 4);
  EXPECT_EQ(TierProgress(list, grades), "Easy 1/2 · Medium 0/1 · Hard 1/1 · Expert 0/1");
  OrderNewGameList(list, LibraryOrder::ByName, grades);
  EXPECT_EQ(list.entries, byName.entries);
  EXPECT_EQ(list.keys, byName.keys);
  EXPECT_EQ(list.selection, byName.selection);
}

// Unreadable and solved entries are skipped; the order wraps round to the current puzzle last.
TEST_F(Library, NextPuzzleStartsTheFirstUnsolvedAfterTheCurrentOneOrSaysAllAreSolved) {
  const struct {
    int current;  // the bar in play; 9 is in no file
    bool creating;
    std::initializer_list<int> solved;
    std::string next;  // empty: every puzzle is solved
  } cases[] = {
      {9, false, {}, "arch.kvp"},         {2, true, {}, "arch.kvp"},
      {2, false, {2}, "cup.kvp"},         {4, false, {2, 6}, "Tower.kvp"},
      {1, false, {}, "Bell.kvp"},         {3, false, {}, "Dog.kvp"},
      {5, false, {2}, "cup.kvp"},         {4, false, {1, 2, 3, 5, 6}, "cup.kvp"},
      {9, false, {1, 2, 3, 4, 5, 6}, ""},
  };
  SaveGrades(grades);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.current);
    game = std::make_unique<Game>();
    game->figure = Bar(c.current);
    game->createMode = c.creating ? 1 : 0;
    Solve(c.solved);
    testing::FakePlatform platform;
    EXPECT_EQ(NextPuzzleName(*game, grades), c.next);

    StartNextPuzzle(*game, platform, grades);
    EXPECT_EQ(BufferText(game->settings.PUZZLE), c.next);
    EXPECT_EQ(game->createMode, c.next.empty() && c.creating ? 1 : 0);
    CellGrid expected = Bar(c.current);
    if (!c.next.empty()) {
      ASSERT_TRUE(ReadPuzzleFile(c.next, expected));
    }
    EXPECT_TRUE(GridEquals(game->figure, expected));
    EXPECT_EQ(platform.messages.empty() ? "" : platform.messages[0].text,
              c.next.empty() ? kAllSolvedMessage : "");
  }
}

// Guards against a stale grade: the cache is keyed by the figure, so an edited file is graded
// afresh, and a damaged cache is kept aside rather than trusted or overwritten.
TEST_F(Library, TheGradeCacheReadsBackRegradesAChangedFileAndSetsADamagedOneAside) {
  SaveGrades(grades);
  EXPECT_EQ(LoadGrades(), grades);
  NewGameList list = OpenNewGameList(*game);
  EXPECT_EQ(UngradedKeys(list, grades), Names{FigureKey(Bar(5))});

  CellGrid cube;
  for (int i = 0; i < 27; ++i) {
    cube.at(i % 3, i / 3 % 3, i / 9) = kPlainCube;
  }
  WriteFile("Puzzles/Dog.kvp", FormatPuzzleText(cube));
  list = OpenNewGameList(*game);
  const Names ungraded = UngradedKeys(list, grades);
  EXPECT_EQ(ungraded, Names{FigureKey(cube)});
  std::atomic<bool> cancel = false;
  EXPECT_EQ(GradeKeys(ungraded, cancel).tiers,
            (std::map<std::string, Tier>{{ungraded[0], Tier::Easy}}));
  // Graded in another instance of the core, across text.
  EXPECT_EQ(ParseGradesText(AnswerGradeRequest(GradeRequestText({ungraded[0], "no key"}))),
            GradeKeys(ungraded, cancel));
  cancel = true;
  EXPECT_TRUE(GradeKeys(ungraded, cancel).tiers.empty());

  WriteFile(std::string(kGradesFileName), "Kelvane grades 1\nEasy\tnot a figure\n");
  EXPECT_TRUE(LoadGrades().tiers.empty());
  EXPECT_TRUE(std::filesystem::exists(std::string(kGradesFileName) + ".bad"));
}

}  // namespace
}  // namespace kelvane
