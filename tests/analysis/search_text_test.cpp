// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse search carried across text to another instance of the core and back.
#include "analysis/search_text.h"

#include <gtest/gtest.h>

#include <utility>

#include "analysis/analyse.h"
#include "analysis/player_count.h"
#include "analysis/solution_browser.h"
#include "figures.h"

namespace kelvane::testing {
namespace {

// Completions from the default figure's empty Field and past piece 7 on the cube's edge, none
// from it in the cube's corner: each arrives in WorkGrid as the search on a copy leaves it.
TEST(SearchTextTest, TheAnswerAcrossTextIsTheSearchOnACopy) {
  const std::pair<CellGrid, CellGrid> positions[] = {{NewInitialisedGame()->figure, {}},
                                                     {Block(3, 3, 3), PieceSevenAt(1)},
                                                     {Block(3, 3, 3), PieceSevenAt(0)}};
  int completed = 0;
  for (const auto& [figure, field] : positions) {
    auto game = GameOn(figure);
    game->field = field;
    const auto copy = SearchCopy(*game);
    const bool found = *SearchCompletion(*copy);
    EXPECT_EQ(TakeSearchAnswer(*game, AnswerSearchRequest(SearchRequestText(*game))), found);
    EXPECT_TRUE(GridEquals(game->WorkGrid, copy->WorkGrid));
    EXPECT_TRUE(GridEquals(game->field, field));
    completed += found ? 1 : 0;
  }
  EXPECT_EQ(completed, 2);
}

// Texts that are no request, or no answer for the game's position, change nothing.
TEST(SearchTextTest, AnythingElseIsNoRequestAndNoAnswer) {
  auto game = GameOn(Block(3, 3, 3));
  const std::string request = SearchRequestText(*game);
  const std::string answer = AnswerSearchRequest(request);
  ASSERT_TRUE(answer.starts_with("found "));
  const auto changed = [](std::string text, std::size_t at, char c) {
    text[at] = c;
    return text;
  };
  const std::size_t field = request.find("field "), cells = std::string("found ").size();
  for (const std::string& bad :
       {std::string(), request.substr(0, request.size() - 1), request + "x",
        request.substr(field) + request.substr(0, field), changed(request, field + 6, 'a'),
        changed(request, field + 6 + CellGrid::Index(5, 5, 5), '2')}) {
    EXPECT_EQ(AnswerSearchRequest(bad), "") << bad.size();
  }
  for (const std::string& bad :
       {changed(answer, cells + CellGrid::Index(2, 2, 2), '0'),
        changed(answer, cells + CellGrid::Index(4, 0, 0), '2'), answer.substr(0, answer.size() - 1),
        "maybe " + answer.substr(cells)}) {
    EXPECT_EQ(TakeSearchAnswer(*game, bad), std::nullopt) << bad.substr(0, 8);
  }
  game->field = PieceSevenAt(0);
  EXPECT_EQ(TakeSearchAnswer(*game, answer), std::nullopt) << "the answer moves a laid piece";
  EXPECT_FALSE(GridHasCells(game->WorkGrid));
}

// Browsing with every search carried across text steps as browsing here does: back from the last
// (its number counted), round the end and on, from the figure's own solutions past piece 7.
TEST(SearchTextTest, TheSolutionBrowserAcrossTextStepsAsHere) {
  auto here = GameOn(Block(3, 3, 3));
  here->field = PieceSevenAt(0);
  auto there = std::make_unique<Game>(*here);
  SolutionBrowser browsedHere, browsedThere;
  int searches = 0;
  for (const int step : {-1, 1, 1, 1, 1, 1, -1}) {
    ASSERT_TRUE(StepSolutions(*here, browsedHere, step));
    const auto search = SearchForStep(*there, browsedThere, step);
    std::optional<SolutionsFound> found;
    if (search) {
      const auto request = ReadSolutionSearch(SolutionSearchText(*search));
      ASSERT_TRUE(request);
      found = ReadSolutionsFound(SolutionsFoundText(*RunSolutionSearch(*request, nullptr)),
                                 there->figure);
      ASSERT_TRUE(found);
      ++searches;
    }
    ASSERT_TRUE(TakeSolutionStep(*there, browsedThere, step, search ? &*search : nullptr,
                                 found ? &*found : nullptr));
    EXPECT_TRUE(GridEquals(there->field, here->field));
    EXPECT_EQ(SolutionCaption(browsedThere), SolutionCaption(browsedHere));
  }
  EXPECT_GE(searches, 2);
  SolutionsFound found = *RunSolutionSearch(*SearchForStep(*here, {}, 1), nullptr);
  const std::string text = SolutionsFoundText(found);
  ASSERT_TRUE(ReadSolutionsFound(text, here->figure));
  found.run.completions[0].cells[0][0] = CellGrid::Index(5, 5, 5);
  const std::size_t total = text.find('\n') - 1;
  for (const std::string& bad :
       {SolutionsFoundText(found), "solutions 2" + text.substr(11),
        text.substr(0, total) + "x" + text.substr(total + 1), text + "x\n"}) {
    EXPECT_FALSE(ReadSolutionsFound(bad, here->figure)) << bad.substr(0, 20);
  }
}

// The counts for the player arrive as counted, the largest and "too many" included; no other
// text reads as a count.
TEST(SearchTextTest, ACountArrivesAsCounted) {
  for (const PlayerCount& count : {PlayerCount{.counts = {11520, 240}, .tooMany = false},
                                   PlayerCount{.counts = {~std::uint64_t{0}, 1}, .tooMany = false},
                                   PlayerCount{.counts = {}, .tooMany = true}}) {
    const std::optional<PlayerCount> read = ReadPlayerCount(PlayerCountText(count));
    ASSERT_TRUE(read);
    EXPECT_EQ(read->counts, count.counts);
    EXPECT_EQ(read->tooMany, count.tooMany);
  }
  for (const std::string_view bad :
       {"", "count 4 2", "count 4\n", "count 4 2 1\n", "count -4 2\n", "count 2 4\n",
        "count  4 2\n", "count 4 2\nx", "count many\n", "count 18446744073709551616 2\n"}) {
    EXPECT_FALSE(ReadPlayerCount(bad)) << bad;
  }
}

}  // namespace
}  // namespace kelvane::testing
