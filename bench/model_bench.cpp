// SPDX-License-Identifier: GPL-3.0-or-later
// The model's per-repaint and start-up costs: placement preview, command states, tables, view turn,
// and one step of Undo or Redo.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/solver.h"
#include "model/command_states.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/headless_platform.h"
#include "model/move_history.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/view_turn.h"

namespace kelvane {
namespace {

std::unique_ptr<Game> InitialisedGame() {
  auto game = std::make_unique<Game>();
  InitialiseGame(*game);
  return game;
}

// Every mouse move repaints, and every repaint composes the preview.
void BM_ComposePlacement(benchmark::State& state) {
  auto game = InitialisedGame();
  HeadlessPlatform platform;
  platform.selection = 7;
  const FloorCell cell{static_cast<int>(state.range(0)), 1};  // (0,1) legal, (1,1) refused
  CellGrid out;
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComposePlacement(*game, platform, cell, out));
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComposePlacement)->Arg(0)->Arg(1);

// Runs after every command.
void BM_ComputeCommandStates(benchmark::State& state) {
  auto game = InitialisedGame();
  for (auto _ : state) {
    benchmark::DoNotOptimize(ComputeCommandStates(*game, 3));
  }
}
BENCHMARK(BM_ComputeCommandStates);

void BM_BuildOrientationTables(benchmark::State& state) {
  auto game = InitialisedGame();
  for (auto _ : state) {
    BuildOrientationTables(*game);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_BuildOrientationTables);

void BM_RotateView(benchmark::State& state) {
  auto game = InitialisedGame();
  HeadlessPlatform platform;
  platform.selection = 0;
  for (auto _ : state) {
    RotateView(*game, platform, +1);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RotateView);

// One Undo or Redo on the 3 × 3 × 3 cube with all seven pieces laid, the last one laid as a move;
// with a non-zero argument the view turns before each step (not timed), so each step turns its
// Field to the new view.
void BM_UndoRedoStep(benchmark::State& state) {
  auto game = InitialisedGame();
  HeadlessPlatform platform;
  platform.selection = 0;
  game->figure.Clear();
  for (int i = 0; i < 27; ++i) {
    game->figure.at(i % 3, i / 3 % 3, i / 9) = kPlainCube;
  }
  game->WorkGrid.Clear();
  SolveFrom(*game, 0, GridExtents(game->figure));
  CellGrid solved = game->WorkGrid;
  game->field = solved;
  ClearCellValue(game->field, PieceCellValue(kPieceCount - 1));
  RecordMove(*game);
  game->field = solved;
  bool undo = true;
  for (auto _ : state) {
    if (state.range(0) != 0) {
      state.PauseTiming();
      RotateView(*game, platform, +1);
      state.ResumeTiming();
    }
    undo ? Undo(*game, platform) : Redo(*game, platform);
    undo = !undo;
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_UndoRedoStep)->Arg(0)->Arg(1);

}  // namespace
}  // namespace kelvane
