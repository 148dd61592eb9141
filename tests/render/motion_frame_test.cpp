// SPDX-License-Identifier: GPL-3.0-or-later
// Frames in motion: where they start and end, their drawing order, input cutting them short, and
// the order of the win and of revealed pieces.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <vector>

#include "analysis/analyse.h"
#include "model/motion_timeline.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/view_turn.h"
#include "model/win_check.h"
#include "render/layout.h"
#include "render/moving_cubes.h"
#include "render/paint_field.h"
#include "render/render_fixture.h"
#include "support/default_solution.h"
#include "support/fake_platform.h"

namespace kelvane {
namespace {

constexpr std::int64_t kInput = 1000;

struct MovingFrame {
  std::unique_ptr<Game> game = testing::NewDrawingGame(4);
  testing::FakePlatform platform;

  MovingFrame() { game->extras.animation = true; }
  std::vector<Pixel> PaintAt(std::int64_t ms) {
    platform.nowMs = ms;
    PaintField(*game, platform, [](const Surface&, std::span<const Rect>) {});
    return game->graphics.backBuffer.pixels;
  }
  // Lays the default figure's solution pieces [from, to) at the moment of input.
  void Lay(int from, int to) {
    platform.nowMs = kInput;
    for (int i = from; i < to; ++i) {
      const testing::Placement& p = testing::kDefaultFigureSolution[i];
      game->pieceGrids[p.piece - 1] = OrientationSlot(*game, p.piece - 1, p.slot);
      game->currentLayer = p.layer;
      platform.selection = p.piece;
      PlaceSelectedPiece(*game, platform, FloorCell{p.x, p.y});
    }
    platform.selection = -1;
  }
};

TEST(MotionFrame, ATurnStartsOnTheStillBeforeEndsOnTheStillAfterAndAnyInputEndsIt) {
  const struct {
    int direction;
    int layer;
    int laidPieces;
  } cases[] = {{+1, 0, 0}, {-1, 1, 3}, {+1, 2, 6}};
  for (const auto& c : cases) {
    MovingFrame f;
    f.Lay(0, c.laidPieces);
    f.game->currentLayer = c.layer;
    FinishMotion(*f.game, f.platform);
    const std::vector<Pixel> before = f.PaintAt(kInput);
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

// Frame by frame, wherever two cubes' pictures meet, the one wholly nearer along some axis (and
// not also wholly farther along another) is drawn later.
TEST(MotionFrame, NoCubeIsDrawnOverOneWhollyInFrontOfIt) {
  enum class Move { TurnForward, TurnBack, Lay, PickUp };
  for (const Move move : {Move::TurnForward, Move::TurnBack, Move::Lay, Move::PickUp}) {
    MovingFrame f;
    f.Lay(0, 6);
    if (move == Move::TurnForward || move == Move::TurnBack) {
      RotateView(*f.game, f.platform, move == Move::TurnForward ? +1 : -1);
    } else if (move == Move::Lay) {
      f.Lay(6, 7);
    } else {
      PickUpPiece(*f.game, f.platform, PieceCellValue(2));
    }
    const Game& game = *f.game;
    const ClientLayout layout = LayOutClient(game);
    const CubeGeometry g = game.fieldGeometry;
    int frames = 0;
    for (std::int64_t ms = kInput; ms < kInput + kTurnMotionMs; ms += 3) {
      const MotionFrame frame = MotionFrameAt(game.motion, ms);
      frames += frame.still ? 0 : 1;
      const std::vector<MovingCube> cubes =
          MovingCubes(game.field, &game.motion.lifted, g, layout.figureOrigin,
                      CubeMotion::Turning(frame, layout.figure));
      const auto nearer = [](const MovingCube& a, const MovingCube& b) {
        return a.x >= b.x + 1 - 1e-6 || a.y >= b.y + 1 - 1e-6 || a.z >= b.z + 1 - 1e-6;
      };
      for (std::size_t i = 0; i < cubes.size(); ++i) {
        for (std::size_t j = i + 1; j < cubes.size(); ++j) {
          const bool meet = std::abs(cubes[i].at.x - cubes[j].at.x) < 2 * g.W &&
                            std::abs(cubes[i].at.y - cubes[j].at.y) < g.H;
          EXPECT_FALSE(meet && nearer(cubes[i], cubes[j]) && !nearer(cubes[j], cubes[i]))
              << static_cast<int>(move) << " at " << ms - kInput << " ms: " << i << " before " << j;
        }
      }
    }
    EXPECT_GT(frames, 40) << static_cast<int>(move);
  }
}

TEST(MotionFrame, ALaidPieceSettlesAndAPickedUpOneLiftsOutWhileTheModelHasChangedAtOnce) {
  for (const bool laying : {true, false}) {
    MovingFrame f;
    f.Lay(0, laying ? 5 : 6);
    FinishMotion(*f.game, f.platform);
    const std::vector<Pixel> before = f.PaintAt(kInput);
    if (laying) {
      f.Lay(5, 6);
    } else {
      PickUpPiece(*f.game, f.platform, PieceCellValue(2));
    }
    const CellGrid field = f.game->field;
    const std::vector<Pixel> halfway = f.PaintAt(kInput + kPieceMotionMs / 2);
    const std::vector<Pixel> after = f.PaintAt(kInput + kPieceMotionMs);
    EXPECT_NE(halfway, before) << laying;
    EXPECT_NE(halfway, after) << laying;
    if (!laying) {
      EXPECT_EQ(f.PaintAt(kInput), before) << "it lifts from where it stood";
    }
    EXPECT_EQ(f.game->field.cells, field.cells);
  }
}

TEST(MotionFrame, ShowAllsPiecesArriveOneAfterAnotherOnceItsAnswerIsRead) {
  MovingFrame f;
  f.Lay(0, 2);
  FinishMotion(*f.game, f.platform);
  const std::vector<Pixel> before = f.PaintAt(kInput);
  f.platform.answers = {MessageAnswer::Yes};
  f.platform.nowMs = kInput;
  AnalysePuzzle(*f.game, f.platform, AnalyseMode::ShowAll);
  EXPECT_EQ(f.platform.messages.size(), 2u) << "the question, then the answer";
  EXPECT_TRUE(AllPiecesOnField(*f.game));
  const std::array<std::int16_t, kPieceCount> delays = f.game->motion.dropDelayMs;
  std::vector<std::int16_t> arriving;
  for (std::int16_t d : delays) {
    if (d >= 0) {
      arriving.push_back(d);
    }
  }
  std::ranges::sort(arriving);
  EXPECT_EQ(arriving.size(), 5u);
  EXPECT_EQ(std::ranges::adjacent_find(arriving), arriving.end()) << "one after another";
  EXPECT_EQ(f.PaintAt(kInput), before) << "nothing has arrived when the answer is read";
  EXPECT_TRUE(AdvanceMotion(*f.game, f.platform));
  f.platform.nowMs = kInput + 60'000;
  EXPECT_FALSE(AdvanceMotion(*f.game, f.platform));
  EXPECT_TRUE(f.platform.sounds.empty()) << "revealed pieces win nothing";
}

TEST(MotionFrame, TheWinIsRecordedAtOnceShownWholeAndAnnouncedAfterTheLightOrAtTheNextInput) {
  for (const bool interrupted : {false, true}) {
    MovingFrame f;
    f.Lay(0, 7);
    EXPECT_EQ(f.game->winAnnouncement, 0) << "recorded at the input";
    EXPECT_TRUE(f.platform.events.empty());
    f.platform.nowMs = kInput + 10;
    EXPECT_TRUE(AdvanceMotion(*f.game, f.platform));
    EXPECT_TRUE(f.platform.events.empty()) << "the figure lights up first";
    if (interrupted) {
      EXPECT_TRUE(FinishMotion(*f.game, f.platform)) << "the input goes to the congratulation";
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
