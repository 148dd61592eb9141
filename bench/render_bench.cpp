// SPDX-License-Identifier: GPL-3.0-or-later
// Timings of a whole PaintField at several scales, still and in motion, and of the per-move
// pointer hit test.
#include <benchmark/benchmark.h>

#include <memory>

#include "analysis/analyse.h"
#include "model/game_init.h"
#include "model/headless_platform.h"
#include "model/motion_timeline.h"
#include "model/view_turn.h"
#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "render/paint_field.h"
#include "storage/settings_file.h"

namespace kelvane {
namespace {

std::unique_ptr<Game> DrawingGame(int scale) {
  auto game = std::make_unique<Game>();
  SetDefaultSettings(game->settings);
  game->settings.SCALE = scale;
  InitialiseGame(*game);
  CreateGraphics(*game, 1920, 1080);
  HeadlessPlatform none;
  ApplyScaleAndSkin(*game, none);
  BuildSpriteMask(*game);
  return game;
}

// The 10 × 10 × 10 block of the create modes, with 27 cubes built by hand on its lowest layers.
void MakeCreateBlock(Game& game) {
  game.figure.Clear();
  game.field.Clear();
  for (int z = 0; z < 10; ++z) {
    for (int y = 0; y < 10; ++y) {
      for (int x = 0; x < 10; ++x) {
        game.figure.at(x, y, z) = kPlainCube;
      }
    }
  }
  for (int i = 0; i < 27; ++i) {
    game.field.at(i % 3 + 3, i / 3 % 3 + 3, i / 9) = kPlainCube;
  }
  game.createMode = 1;
  game.creationKind = 0;
  game.currentLayer = 2;
  game.shownLayers = 10;
}

Point FloorCellMiddle(const Game& game, int x, int y) {
  const Point p =
      ProjectLattice(game.fieldGeometry, LayOutClient(game).figureOrigin, x, y, game.currentLayer);
  return {p.x, p.y + game.fieldGeometry.R};
}

void BM_PaintField(benchmark::State& state) {
  auto game = DrawingGame(static_cast<int>(state.range(0)));
  if (state.range(1) != 0) {
    MakeCreateBlock(*game);
  }
  PlaceContent(*game, RequiredClientSize(*game));  // the window fitted to the content
  HeadlessPlatform platform;
  platform.selection = 3;
  platform.pointer = FloorCellMiddle(*game, 1, 2);
  const CopyToScreen copy = [](const Surface& s, std::span<const Rect>) {
    benchmark::DoNotOptimize(s.pixels.data());
  };
  for (auto _ : state) {
    PaintField(*game, platform, copy);
    benchmark::ClobberMemory();
  }
}
// Arguments: scale, and 1 for the create block.
BENCHMARK(BM_PaintField)
    ->ArgNames({"scale", "create"})
    ->Args({2, 0})
    ->Args({4, 0})
    ->Args({8, 0})
    ->Args({4, 1})
    ->Unit(benchmark::kMicrosecond);

// A clock that stands still, so that every frame of a run is the same moment of a motion.
class StoppedClock : public HeadlessPlatform {
 public:
  std::int64_t Milliseconds() override { return nowMs; }
  std::int64_t nowMs = 1000;
};

// The default figure completed, then drawn still (0), half-way through a view turn (1) or with
// piece 7 half-way down (2), or lit up at the height of the win's light (3).
void BM_MotionFrame(benchmark::State& state) {
  auto game = DrawingGame(static_cast<int>(state.range(0)));
  PlaceContent(*game, RequiredClientSize(*game));
  StoppedClock platform;
  platform.questionAnswer = MessageAnswer::Yes;
  game->extras.animation = true;
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);
  FinishMotion(*game, platform);
  if (state.range(1) == 1) {
    RotateView(*game, platform, +1);
    platform.nowMs += kTurnMotionMs / 2;
  } else if (state.range(1) >= 2) {
    StartDropMotion(*game, platform, kPieceCount - 1);
    game->motion.winGlow = state.range(1) == 3;
    platform.nowMs += state.range(1) == 3 ? kPieceMotionMs + kWinGlowMs / 2 : kPieceMotionMs / 2;
  }
  const CopyToScreen copy = [](const Surface& s, std::span<const Rect>) {
    benchmark::DoNotOptimize(s.pixels.data());
  };
  for (auto _ : state) {
    PaintField(*game, platform, copy);
    benchmark::ClobberMemory();
  }
}
// Arguments: scale, and the motion: 0 none, 1 a turn, 2 a drop, 3 the win's light.
BENCHMARK(BM_MotionFrame)
    ->ArgNames({"scale", "motion"})
    ->ArgsProduct({{4, 8}, {0, 1, 2, 3}})
    ->Unit(benchmark::kMicrosecond);

void BM_HitTestFloorCell(benchmark::State& state) {
  auto game = DrawingGame(4);
  if (state.range(0) != 0) {
    MakeCreateBlock(*game);
  }
  // The last cell of the footprint: the test visits every diamond before it.
  const Extents e = GridExtents(game->figure);
  const Point pointer = FloorCellMiddle(*game, e.x - 1, e.y - 1);
  for (auto _ : state) {
    benchmark::DoNotOptimize(HitTestFloorCell(*game, pointer));
  }
}
BENCHMARK(BM_HitTestFloorCell)->ArgName("create")->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace kelvane
