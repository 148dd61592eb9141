// SPDX-License-Identifier: GPL-3.0-or-later
// Running the solver for the Analyse commands and revealing what it found.
#include "analysis/analyse.h"

#include <string_view>

#include "analysis/figure_analysis.h"
#include "analysis/solver.h"
#include "model/game.h"
#include "model/game_messages.h"
#include "model/motion_timeline.h"
#include "model/move_history.h"
#include "model/placement.h"
#include "model/platform.h"
#include "model/play_tally.h"
#include "model/text_template.h"

namespace kelvane {

namespace {

constexpr std::string_view kNotPassed = PLAYER_TEXT("Test is not passed.");
constexpr std::string_view kPassed = PLAYER_TEXT("Test is passed successfully");
constexpr std::string_view kConfirmShowAll = PLAYER_TEXT("Are you shure?");
constexpr int kHintDraws = 1000;
// The counter proves "none" at once on the figures where the search would take long to find out
// (a flat slab: three pieces need depth); where it takes longer than this, the search answers.
constexpr std::chrono::milliseconds kProofTime{500};

// WorkGrid holds only piece k's cells: they become the piece grid, shifted to the origin.
void TakeOrientationFromWorkGrid(Game& game, int k) {
  if (GridHasCells(game.WorkGrid)) {
    NormaliseGrid(game.WorkGrid);
  }
  game.pieceGrids[k] = game.WorkGrid;
}

void RevealOnePiece(Game& game) {
  int k = -1;
  for (int draw = 0; draw < kHintDraws && k < 0; ++draw) {
    const int drawn = static_cast<int>(game.randomSource() % kPieceCount);
    if (!PieceOnField(game, PieceCellValue(drawn))) {
      k = drawn;
    }
  }
  if (k < 0) {
    return;
  }
  RecordMove(game);
  const std::int8_t value = PieceCellValue(k);
  for (int i = 0; i < kGridCells; ++i) {
    if (game.WorkGrid.cells[i] == value) {
      game.field.cells[i] = value;
    } else {
      game.WorkGrid.cells[i] = 0;
    }
  }
  TakeOrientationFromWorkGrid(game, k);
}

}  // namespace

void RevealCompletion(Game& game, const CellGrid& completed) {
  game.winAnnouncement = 0;
  game.field = completed;
  for (int k = 0; k < kPieceCount; ++k) {
    game.hideFlags[k] = 0;
    game.WorkGrid = game.field;
    for (std::int8_t& cell : game.WorkGrid.cells) {
      if (cell != PieceCellValue(k)) {
        cell = 0;
      }
    }
    TakeOrientationFromWorkGrid(game, k);
  }
}

void AnalysePuzzle(Game& game, Platform& platform, AnalyseMode mode) {
  if (ConfirmAnalysis(game, platform, mode)) {
    ReportAnalysis(game, platform, mode, *SearchCompletion(game));
  }
}

bool ConfirmAnalysis(Game& game, Platform& platform, AnalyseMode mode) {
  return mode != AnalyseMode::ShowAll ||
         ShowGameMessage(game, platform, kConfirmShowAll, MessageStyle::Question) !=
             MessageAnswer::No;
}

std::optional<bool> SearchCompletion(Game& game, const std::atomic<bool>* stop) {
  game.WorkGrid = game.field;
  // Most figures give up their completion sooner than a proof that one exists could be set up;
  // a search that runs long is first proved worth going on with, which answers an impossible
  // figure at once.
  const auto possible = [&] {
    CountLimits proof;
    proof.cancel = stop;
    proof.timeLimit = kProofTime;
    return CanStillComplete(game, proof) != false;
  };
  const bool found = SolveFrom(game, 0, GridExtents(game.figure), stop, possible);
  if (stop != nullptr && *stop) {
    return std::nullopt;
  }
  return found;
}

std::shared_ptr<Game> SearchCopy(const Game& game) {
  auto copy = std::make_shared<Game>();
  copy->figure = game.figure;
  copy->field = game.field;
  copy->orientationTables = game.orientationTables;
  copy->orientationCounts = game.orientationCounts;
  return copy;
}

void ReportAnalysis(Game& game, Platform& platform, AnalyseMode mode, bool found) {
  if (!found) {
    ShowGameMessage(game, platform, kNotPassed, MessageStyle::Information);
    return;
  }
  const CellGrid before = game.field;
  if (mode == AnalyseMode::Hint) {
    game.winAnnouncement = 0;
    RevealOnePiece(game);
    CountHint(game);
  } else if (mode == AnalyseMode::ShowAll) {
    RecordMove(game);
    RevealCompletion(game, game.WorkGrid);
  }
  StartArrivals(game, platform, before);
  platform.Invalidate(false);
  ShowGameMessage(game, platform, kPassed, MessageStyle::Information);
  ReleaseArrivals(game, platform);
}

}  // namespace kelvane
