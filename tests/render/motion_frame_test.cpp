// SPDX-License-Identifier: GPL-3.0-or-later
// Frames in motion: where they start and end, input cutting them short, and the win's order.
#include <gtest/gtest.h>

#include <vector>

#include "model/motion.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/view_turn.h"
#include "model/win_check.h"
#include "render/paint_field.h"
#include "render/render_fixture.h"
#include "support/default_solution.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

struct MovingFrame {
  std::unique_ptr<Game> game = testing::NewDrawingGame(4);
  testing::FakePlatform platform;

  MovingFrame() { game->extras.animation = true; }
  std::vector<Pixel> PaintAt(std::int64_t ms) {
    platform.nowMs = ms;
    PaintField(*game, platform, [](const Surface&, std::span<const Rect>) {});
    return game->graphics.backBuffer.pixels;
  }
};

constexpr std::int64_t kInput = 1000;

TEST(MotionFrame, ATurnStartsOnTheStillBeforeEndsOnTheStillAfterAndAnyInputEndsIt) {
  const struct {
    int direction;
    int layer;
    int laidPieces;
  } cases[] = {{+1, 0, 0}, {-1, 1, 3}, {+1, 2, 6}};
  for (const auto& c : cases) {
    MovingFrame f;
    for (int i = 0; i < c.laidPieces; ++i) {
      const testing::Placement& p = testing::kDefaultFigureSolution[i];
      f.game->pieceGrids[p.piece - 1] = OrientationSlot(*f.game, p.piece - 1, p.slot);
      f.game->currentLayer = p.layer;
      f.platform.selection = p.piece;
      PlaceSelectedPiece(*f.game, f.platform, FloorCell{p.x, p.y});
    }
    f.platform.selection = -1;
    f.game->currentLayer = c.layer;
    const std::vector<Pixel> before = f.PaintAt(kInput);
    f.platform.nowMs = kInput;
    RotateView(*f.game, f.platform, c.direction);
    const CellGrid turned = f.game->figure;
    EXPECT_EQ(f.PaintAt(kInput), before) << c.direction << " " << c.layer;
    const std::vector<Pixel> halfway = f.PaintAt(kInput + kTurnMotionMs / 2);
    const std::vector<Pixel> after = f.PaintAt(kInput + kTurnMotionMs);
    EXPECT_NE(halfway, before);
    EXPECT_NE(halfway, after);
    EXPECT_TRUE(f.game->motion.running) << "only the shell's tick ends it";
    EXPECT_EQ(f.game->figure.cells, turned.cells) << "the model turned at the input";

    RotateView(*f.game, f.platform, -c.direction);
    FinishMotion(*f.game, f.platform);
    EXPECT_NE(f.PaintAt(kInput + kTurnMotionMs), after);
    RotateView(*f.game, f.platform, c.direction);
    FinishMotion(*f.game, f.platform);
    EXPECT_EQ(f.PaintAt(kInput + kTurnMotionMs), after) << "finished at once, on the still after";
    EXPECT_FALSE(AdvanceMotion(*f.game, f.platform));
  }
}

TEST(MotionFrame, TheWinIsRecordedAtOnceShownWholeAndAnnouncedAfterTheLightOrAtTheNextInput) {
  for (const bool interrupted : {false, true}) {
    MovingFrame f;
    for (const testing::Placement& p : testing::kDefaultFigureSolution) {
      f.game->pieceGrids[p.piece - 1] = OrientationSlot(*f.game, p.piece - 1, p.slot);
      f.game->currentLayer = p.layer;
      f.platform.selection = p.piece;
      f.platform.nowMs = kInput;
      PlaceSelectedPiece(*f.game, f.platform, FloorCell{p.x, p.y});
    }
    EXPECT_EQ(f.game->winAnnouncement, 0) << "recorded at the input";
    EXPECT_TRUE(f.platform.events.empty());
    f.platform.nowMs = kInput + 10;
    EXPECT_TRUE(AdvanceMotion(*f.game, f.platform));
    EXPECT_TRUE(f.platform.events.empty()) << "the figure lights up first";
    if (interrupted) {
      FinishMotion(*f.game, f.platform);
    } else {
      f.platform.nowMs = kInput + 60'000;
    }
    EXPECT_FALSE(AdvanceMotion(*f.game, f.platform));
    EXPECT_EQ(f.platform.events,
              (std::vector<std::string>{"message: Congratulations! The game is won.",
                                        "sound: victory.wav"}));

    // Whatever layer is current, the won figure stands whole.
    f.game->currentLayer = 0;
    const std::vector<Pixel> fromBelow = f.PaintAt(kInput + 60'000);
    f.game->currentLayer = 2;
    EXPECT_EQ(f.PaintAt(kInput + 60'000), fromBelow);
  }
}

}  // namespace
}  // namespace kelvane
