// SPDX-License-Identifier: GPL-3.0-or-later
// Laying pieces: legality, the preview, and what a refused click does.
#include "model/placement.h"

#include "model/command_states.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class ComposePlacementTest : public PlayTest {
 protected:
  bool Compose(int x, int y) { return ComposePlacement(*game, platform, FloorCell{x, y}, out); }
  CellGrid out;
};

// Piece 7 is (0,0,0), (1,0,0), (0,0,1); piece 6 adds (0,1,0). Where the piece fits it is laid in
// its own value on the current layer; else it shows as plain cubes cut to the figure's box, with
// the cubes of a hidden piece in its way marked and a visible one left as it is.
TEST_F(ComposePlacementTest, LaysThePieceOrShowsWhyItDoesNotFit) {
  enum Obstacle { kNone, kVisible, kHidden };
  const struct {
    const char* name;
    int piece, layer, x, y;
    Obstacle obstacle;
    bool fits;
    std::vector<std::array<int, 4>> cells;  // x, y, z, value
  } cases[] = {
      {"corner", 7, 0, 0, 0, kNone, true, {{0, 0, 0, 8}, {1, 0, 0, 8}, {0, 0, 1, 8}}},
      {"layer 1", 7, 1, 0, 0, kNone, true, {{0, 0, 1, 8}, {1, 0, 1, 8}, {0, 0, 2, 8}}},
      {"off the figure", 7, 0, 1, 1, kNone, false, {{1, 1, 0, 1}, {2, 1, 0, 1}, {1, 1, 1, 1}}},
      {"beyond the box", 7, 0, 2, 0, kNone, false, {{2, 0, 0, 1}, {2, 0, 1, 1}}},
      {"hidden obstacle",
       6,
       0,
       0,
       0,
       kHidden,
       false,
       {{0, 0, 0, kMarkedCell}, {1, 0, 0, kMarkedCell}, {0, 0, 1, kMarkedCell}, {0, 1, 0, 1}}},
      {"visible obstacle",
       6,
       0,
       0,
       0,
       kVisible,
       false,
       {{0, 0, 0, 8}, {1, 0, 0, 8}, {0, 0, 1, 8}, {0, 1, 0, 1}}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    game = NewInitialisedGame();
    if (c.obstacle != kNone) {
      Lay({7, 0, 0, 0, 0});
    }
    if (c.obstacle == kHidden) {
      HidePiece(*game, platform, 7);
    }
    const CellGrid field = game->field;
    Select(c.piece);
    game->currentLayer = c.layer;
    EXPECT_EQ(Compose(c.x, c.y), c.fits);
    for (const auto& [x, y, z, value] : c.cells) {
      EXPECT_EQ(out.at(x, y, z), value) << x << "," << y << "," << z;
    }
    EXPECT_EQ(CountCells(out), static_cast<int>(c.cells.size()));
    EXPECT_TRUE(GridEquals(game->field, field)) << "only the caller's grid is written";
  }
}

TEST_F(ComposePlacementTest, GivesTheFieldWithoutACellASelectionOrForAPlacedPiece) {
  Lay({7, 0, 0, 0, 0});
  const CellGrid field = game->field;
  Select(7);
  EXPECT_FALSE(Compose(0, 1)) << "a piece on the Field cannot be laid twice";
  EXPECT_TRUE(GridEquals(out, field));
  Select(0);
  EXPECT_FALSE(Compose(0, 1));
  EXPECT_TRUE(GridEquals(out, field));
  Select(6);
  EXPECT_FALSE(ComposePlacement(*game, platform, std::nullopt, out));
  EXPECT_TRUE(GridEquals(out, field));
}

TEST_F(PlayTest, ALegalClickLaysThePieceAndKeepsItSelected) {
  Select(7);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_EQ(game->field.at(0, 0, 1), 8);
  EXPECT_EQ(platform.selection, 7);
  EXPECT_EQ(platform.invalidations, 1);
  ASSERT_TRUE(platform.commandStates);
  EXPECT_TRUE(platform.commandStates->IsEnabled(32864)) << "Hide piece 7 once it lies";
}

TEST_F(PlayTest, ARefusedClickOnlyBeeps) {
  Select(7);
  Click(1, 1);
  ClickOffTheField();
  EXPECT_EQ(platform.beeps, 2);
  EXPECT_FALSE(GridHasCells(game->field));
  EXPECT_EQ(platform.invalidations, 0);
}

TEST_F(PlayTest, ClickingAPlacedPieceWithAnUnplacedOneSelectedTriesToPlace) {
  Lay({7, 0, 0, 0, 0});
  Select(6);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 1);
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(platform.selection, 6);
}

TEST_F(PlayTest, WithNothingSelectedAClickOffTheFieldDoesNothing) {
  Select(0);
  ClickOffTheField();
  Select(-1);
  Click(0, 0);
  EXPECT_EQ(platform.beeps, 0);
  EXPECT_TRUE(platform.events.empty());
}

TEST_F(PlayTest, RemovePieceTakesTheSelectedPieceOffButKeepsItsHideFlag) {
  Lay({7, 0, 0, 0, 0});
  HidePiece(*game, platform, 7);
  RemoveSelectedPiece(*game, platform);
  EXPECT_FALSE(PieceOnField(*game, 8));
  EXPECT_EQ(game->hideFlags[6], 1);
  UpdateCommandStates(*game, platform);
  EXPECT_FALSE(platform.commandStates->IsEnabled(32864));
  EXPECT_TRUE(platform.commandStates->IsChecked(32864));

  Click(0, 0);  // laid again, it is hidden at once
  EXPECT_TRUE(PieceOnField(*game, 8));
  EXPECT_EQ(game->hideFlags[6], 1);
}

}  // namespace
}  // namespace kelvane::testing
