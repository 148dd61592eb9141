// SPDX-License-Identifier: GPL-3.0-or-later
// The solution browser: enumerating once per start, then laying one solution at a time.
#include "analysis/solution_browser.h"

#include "analysis/analyse.h"
#include "model/game.h"
#include "model/move_history.h"

namespace kelvane {

namespace {

void Start(Game& game, SolutionBrowser& browser) {
  browser.player = {game.field, game.pieceGrids, game.hideFlags};
  browser.figure = game.figure;
  browser.solutions = DistinctCompletions(game).value_or(std::vector<Completion>{});
  browser.fromPlayersPieces = !browser.solutions.empty();
  if (browser.solutions.empty() && GridHasCells(game.field)) {
    game.field = CellGrid{};
    browser.solutions = DistinctCompletions(game).value_or(std::vector<Completion>{});
    game.field = browser.player.field;
  }
}

}  // namespace

bool IsBrowsing(const Game& game, const SolutionBrowser& browser) {
  return browser.shown >= 0 && GridEquals(game.field, browser.laid) &&
         GridEquals(game.figure, browser.figure);
}

bool StepSolutions(Game& game, SolutionBrowser& browser, int step) {
  int next = 0;
  if (IsBrowsing(game, browser)) {
    const int count = static_cast<int>(browser.solutions.size());
    next = (browser.shown + step % count + count) % count;
  } else {
    Start(game, browser);
    browser.shown = -1;
    if (browser.solutions.empty()) {
      return false;
    }
    // The whole visit is one move: a single Undo gives the player's own Field back.
    RecordMove(game);
    next = step < 0 ? static_cast<int>(browser.solutions.size()) - 1 : 0;
  }
  browser.shown = next;
  CellGrid completed;
  LayCompletion(browser.solutions[next], completed);
  RevealCompletion(game, completed);
  browser.laid = game.field;
  return true;
}

void LeaveSolutions(Game& game, SolutionBrowser& browser) {
  if (!IsBrowsing(game, browser)) {
    return;
  }
  RecordMove(game);
  game.field = browser.player.field;
  game.pieceGrids = browser.player.pieceGrids;
  game.hideFlags = browser.player.hideFlags;
  browser.shown = -1;
}

std::string SolutionCaption(const SolutionBrowser& browser) {
  return "Solution " + std::to_string(browser.shown + 1) + " of " +
         std::to_string(browser.solutions.size());
}

}  // namespace kelvane
