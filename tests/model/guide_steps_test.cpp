// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's steps: each moves on only when the player really does what it asks.
#include "model/guide_steps.h"

#include <functional>

#include "model/layers.h"
#include "model/move_history.h"
#include "model/view_turn.h"
#include "support/play_fixture.h"

namespace kelvane::testing {
namespace {

class GuideTest : public PlayTest {
 protected:
  GuideGlance Glance() { return TakeGuideGlance(*game, platform, pointer); }
  std::optional<FloorCell> pointer;
};

// Piece 1 lies in slot 0 at (0, 0) of layer 0; the other rows are what a player might do first.
TEST_F(GuideTest, EachStepMovesOnOnItsOwnActionAndNoOther) {
  const Placement lay = kDefaultFigureSolution[0];
  GuideTour tour;
  const struct {
    const char* action;
    std::function<void()> run;
    int stepAfter;
  } rows[] = {
      {"point without a piece",
       [&] {
         pointer = FloorCell{1, 1};
       },
       1},
      {"choose piece 1", [&] { Select(lay.piece); }, 2},
      {"point",
       [&] {
         pointer = FloorCell{2, 2};
       },
       2},
      {"Analyse", [&] { tour.Notice(GuideEvent::AnalyseUsed); }, 2},
      {"turn by X", [&] { TurnSelectedPiece(*game, platform, 'X'); }, 3},
      {"click off the field", [&] { ClickOffTheField(); }, 3},
      {"point at the cell",
       [&] {
         game->pieceGrids[lay.piece - 1] = OrientationSlot(*game, lay.piece - 1, lay.slot);
         pointer = FloorCell{lay.x, lay.y};
       },
       4},
      {"layer down at the floor", [&] { ChangeLayer(*game, platform, -1); }, 4},
      {"click lays it", [&] { Click(lay.x, lay.y); }, 5},
      {"choose piece 2", [&] { Select(2); }, 5},
      {"click lays nothing", [&] { Click(lay.x, lay.y); }, 5},
      {"click picks it up",
       [&] {
         Select(0);
         Click(lay.x, lay.y);
       },
       6},
      {"turn the view", [&] { RotateView(*game, platform, 1); }, 6},
      {"layer up", [&] { ChangeLayer(*game, platform, 1); }, 7},
      {"point",
       [&] {
         pointer = FloorCell{0, 1};
       },
       7},
      {"turn the view", [&] { RotateView(*game, platform, -1); }, 8},
      {"layer down", [&] { ChangeLayer(*game, platform, -1); }, 8},
      {"Analyse", [&] { tour.Notice(GuideEvent::AnalyseUsed); }, 9},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.action);
    const GuideGlance before = Glance();
    row.run();
    tour.Observe(before, Glance());
    EXPECT_EQ(tour.StepNumber(), row.stepAfter);
  }
  EXPECT_FALSE(tour.Running());

  GuideTour skipped;
  skipped.End();
  EXPECT_FALSE(skipped.Running());
  EXPECT_FALSE(skipped.Notice(GuideEvent::PieceChosen));
}

}  // namespace
}  // namespace kelvane::testing
