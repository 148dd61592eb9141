// SPDX-License-Identifier: GPL-3.0-or-later
// The Analyse search carried across text to another instance of the core and back.
#include "analysis/search_text.h"

#include <gtest/gtest.h>

#include <utility>

#include "analysis/analyse.h"
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

}  // namespace
}  // namespace kelvane::testing
