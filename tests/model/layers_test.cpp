// SPDX-License-Identifier: GPL-3.0-or-later
// Moving between layers and cutting the view down to its lower layers.
#include "model/layers.h"

#include <utility>

#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

TEST_F(PlayTest, EachWheelMessageMovesOneLayerWhateverItsDelta) {
  ChangeLayer(*game, platform, 120);
  EXPECT_EQ(game->currentLayer, 1);
  ChangeLayer(*game, platform, 960);
  EXPECT_EQ(game->currentLayer, 2);
  ChangeLayer(*game, platform, -360);
  EXPECT_EQ(game->currentLayer, 1);
  ChangeLayer(*game, platform, 0);
  EXPECT_EQ(game->currentLayer, 0);
  EXPECT_EQ(platform.erasingInvalidations, 4);
  EXPECT_EQ(platform.commandStateUpdates, 4);
}

// Guards against moving one layer per notch: on a tall figure the clamp no longer hides it.
TEST_F(PlayTest, SeveralNotchesAtOnceMoveOneLayerOnATallFigure) {
  game->figure.Clear();
  for (int z = 0; z < 10; ++z) {
    game->figure.at(0, 0, z) = kPlainCube;
  }
  game->currentLayer = 5;
  for (const auto& [delta, layer] : {std::pair{240, 6}, {360, 7}, {-480, 6}, {-240, 5}}) {
    ChangeLayer(*game, platform, delta);
    EXPECT_EQ(game->currentLayer, layer) << "delta " << delta;
  }
}

TEST_F(PlayTest, TheLayerStaysWithinTheFigureWithoutRepainting) {
  ChangeLayer(*game, platform, -1);
  EXPECT_EQ(game->currentLayer, 0);
  game->currentLayer = 2;
  ChangeLayer(*game, platform, 1);
  EXPECT_EQ(game->currentLayer, 2);
  EXPECT_EQ(platform.erasingInvalidations, 0);
  EXPECT_EQ(platform.commandStateUpdates, 0);
}

TEST_F(PlayTest, AStepUpOnAnEmptyFigureKeepsLayerZero) {
  // Guards against storing layer -1, which a later cube toggle would write outside the grid.
  game->figure.Clear();
  ChangeLayer(*game, platform, 120);
  EXPECT_EQ(game->currentLayer, 0);
}

TEST_F(PlayTest, ShownLayersRangeFromOneToTheFiguresHeight) {
  ShowUpLayer(*game, platform);
  EXPECT_EQ(game->shownLayers, 3);
  EXPECT_EQ(platform.invalidations, 0);
  HideDownLayer(*game, platform);
  HideDownLayer(*game, platform);
  HideDownLayer(*game, platform);
  EXPECT_EQ(game->shownLayers, 1);
  EXPECT_EQ(platform.invalidations, 2);
  ShowUpLayer(*game, platform);
  EXPECT_EQ(game->shownLayers, 2);
  EXPECT_EQ(platform.invalidations, 3);
}

}  // namespace
}  // namespace kelvane::testing
