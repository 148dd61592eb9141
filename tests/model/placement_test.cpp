// SPDX-License-Identifier: GPL-3.0-or-later
// Laying pieces and picking them up: legality, the preview, and what a refused click does.
#include "model/placement.h"

#include "model/command_ids.h"
#include "model/command_states.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

// Piece 7 is (0,0,0), (1,0,0), (0,0,1); piece 6 adds (0,1,0). Where the piece fits it is laid in
// its own value on the current layer; else it shows as plain cubes cut to the figure's box, with
// the cubes of a hidden piece in its way marked and a visible one left as it is. Piece 0 is no
// selection, and a piece on the Field cannot be laid twice: both leave the Field as it is.
TEST_F(PlayTest, ComposePlacementLaysThePieceOrShowsWhyItDoesNotFit) {
  constexpr int M = kMarkedCell;
  CellGrid out;
  const std::vector<std::array<int, 4>> seven{{0, 0, 0, 8}, {1, 0, 0, 8}, {0, 0, 1, 8}};
  const struct {
    int piece, layer, x, y;
    char obstacle;  // piece 7 laid at the corner first: '-' no, 'v' visible, 'h' hidden
    bool fits;
    std::vector<std::array<int, 4>> cells;  // x, y, z, value
  } cases[] = {
      {7, 0, 0, 0, '-', true, seven},
      {7, 1, 0, 0, '-', true, {{0, 0, 1, 8}, {1, 0, 1, 8}, {0, 0, 2, 8}}},
      {7, 0, 1, 1, '-', false, {{1, 1, 0, 1}, {2, 1, 0, 1}, {1, 1, 1, 1}}},  // off the figure
      {7, 0, 2, 0, '-', false, {{2, 0, 0, 1}, {2, 0, 1, 1}}},                // beyond the box
      {6, 0, 0, 0, 'h', false, {{0, 0, 0, M}, {1, 0, 0, M}, {0, 0, 1, M}, {0, 1, 0, 1}}},
      {6, 0, 0, 0, 'v', false, {{0, 0, 0, 8}, {1, 0, 0, 8}, {0, 0, 1, 8}, {0, 1, 0, 1}}},
      {7, 0, 0, 1, 'v', false, seven},
      {0, 0, 0, 1, 'v', false, seven},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << &c - cases);
    game = NewInitialisedGame();
    if (c.obstacle != '-') {
      Lay({7, 0, 0, 0, 0});
    }
    if (c.obstacle == 'h') {
      HidePiece(*game, platform, 7);
    }
    const CellGrid field = game->field;
    Select(c.piece);
    game->currentLayer = c.layer;
    EXPECT_EQ(ComposePlacement(*game, platform, FloorCell{c.x, c.y}, out), c.fits);
    for (const auto& [x, y, z, value] : c.cells) {
      EXPECT_EQ(out.at(x, y, z), value) << x << "," << y << "," << z;
    }
    EXPECT_EQ(CountCells(out), static_cast<int>(c.cells.size()));
    EXPECT_TRUE(GridEquals(game->field, field)) << "only the caller's grid is written";
  }
  EXPECT_FALSE(ComposePlacement(*game, platform, std::nullopt, out));
  EXPECT_TRUE(GridEquals(out, game->field));
}

TEST_F(PlayTest, AClickLaysTheSelectedPieceOrOnlyBeepsAndRemovePieceTakesItOff) {
  Select(7);
  Click(1, 1);
  ClickOffTheField();
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(platform.invalidations, 0);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_EQ(game->field.at(0, 0, 1), 8);
  EXPECT_EQ(platform.selection, 7);
  EXPECT_EQ(platform.invalidations, 1);
  ASSERT_TRUE(platform.commandStates);
  EXPECT_TRUE(platform.commandStates->IsEnabled(kCmdHidePiece[6])) << "once piece 7 lies";
  Select(6);
  Click(0, 0);  // on piece 7, with an unplaced piece selected: a refused placement
  EXPECT_EQ(platform.beeps, 3);
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(platform.selection, 6);
  Select(0);
  ClickOffTheField();
  Select(-1);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 3) << "with nothing selected a click does nothing";
  EXPECT_TRUE(PieceOnField(*game, 8));

  // Remove piece takes the selected piece off but keeps its hide flag: laid again, it is hidden.
  Select(7);
  HidePiece(*game, platform, 7);
  RemoveSelectedPiece(*game, platform);
  EXPECT_FALSE(PieceOnField(*game, 8));
  UpdateCommandStates(*game, platform);
  EXPECT_FALSE(platform.commandStates->IsEnabled(kCmdHidePiece[6]));
  EXPECT_TRUE(platform.commandStates->IsChecked(kCmdHidePiece[6]));
  Click(0, 0);
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(game->hideFlags[6], 1);
}

// Pieces 3 at (1,3,0), (1,4,0), (1,2,1), (1,3,1) and 5 at (2,0,0), (2,1,0), (1,0,1), (2,0,1) lie,
// and a plain cube at (0,0,0). A click picks up the visible piece under it on the current layer
// whenever no unplaced piece is selected, keeping its orientation, and never beeps.
TEST_F(PlayTest, AClickPicksUpTheVisiblePieceUnderIt) {
  const struct {
    int selection, layer, x, y;
    bool hideFive;
    int pickedUp;
  } cases[] = {
      {3, 0, 2, 0, false, 5},  // a placed piece selected
      {0, 0, 1, 4, false, 3},  // nothing selected
      {3, 0, 0, 0, false, 0},  // a plain cube
      {0, 1, 1, 4, false, 0},  // an empty cell above piece 3
      {0, 1, 1, 2, false, 3},  // piece 3 on layer 1
      {0, 0, 2, 0, true, 0},   // a hidden piece
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(::testing::Message() << "row " << &c - cases);
    game = NewInitialisedGame();
    platform = FakePlatform{};
    Lay(kDefaultFigureSolution[2]);
    Lay(kDefaultFigureSolution[4]);
    game->field.at(0, 0, 0) = kPlainCube;
    if (c.hideFive) {
      HidePiece(*game, platform, 5);
    }
    const auto orientations = game->pieceGrids;
    Select(c.selection);
    game->currentLayer = c.layer;
    Click(c.x, c.y);
    for (const int piece : {3, 5}) {
      EXPECT_EQ(PieceOnField(*game, PieceCellValue(piece - 1)), piece != c.pickedUp) << piece;
    }
    EXPECT_EQ(game->field.at(0, 0, 0), kPlainCube);
    EXPECT_EQ(platform.selection, c.pickedUp != 0 ? c.pickedUp : c.selection);
    EXPECT_EQ(platform.beeps, 0);
    for (int k = 0; k < kPieceCount; ++k) {
      EXPECT_TRUE(GridEquals(game->pieceGrids[k], orientations[k]));
    }
    if (c.pickedUp != 0) {
      EXPECT_FALSE(platform.commandStates->IsEnabled(kCmdHidePiece[c.pickedUp - 1]));
      EXPECT_FALSE(platform.commandStates->IsEnabled(kCmdRemovePiece))
          << "the selected piece no longer lies";
    }
  }
}

}  // namespace
}  // namespace kelvane::testing
