// SPDX-License-Identifier: GPL-3.0-or-later
// The motions' timeline: what moves how far at each moment, and when the motion ends.
#include "model/motion_timeline.h"

#include <algorithm>
#include <cmath>

#include "model/game.h"
#include "model/platform.h"
#include "model/win_check.h"

namespace kelvane {
namespace {

// A brightening, not a white-out: the pieces keep their colours at the height of the light.
constexpr double kWinGlowPeak = 70;

// Slow at both ends, as a hand turns a thing.
double EaseInOut(double f) {
  return f * f * (3 - 2 * f);
}

int PiecesEndMs(const Motion& motion) {
  int end = motion.quarterTurns != 0 ? kTurnMotionMs : 0;
  if (GridHasCells(motion.lifted)) {
    end = std::max(end, kPieceMotionMs);
  }
  for (const std::int16_t delay : motion.dropDelayMs) {
    if (delay >= 0) {
      end = std::max(end, delay + kPieceMotionMs);
    }
  }
  return end;
}

int TotalMs(const Motion& motion) {
  return PiecesEndMs(motion) + (motion.winGlow ? kWinGlowMs : 0);
}

bool AnnounceDueWin(Game& game, Platform& platform) {
  if (!game.motion.winAnnouncementDue) {
    return false;
  }
  game.motion.winAnnouncementDue = false;
  AnnounceWin(game, platform);
  return true;
}

bool GridHolds(const CellGrid& grid, std::int8_t value) {
  return std::ranges::find(grid.cells, value) != grid.cells.end();
}

// A fresh motion from now on, keeping a win announcement that is still to come.
Motion& Restart(Game& game, Platform& platform) {
  const bool due = game.motion.winAnnouncementDue;
  game.motion = Motion{};
  game.motion.running = true;
  game.motion.startMs = platform.Milliseconds();
  game.motion.winAnnouncementDue = due;
  return game.motion;
}

}  // namespace

void StartTurnMotion(Game& game, Platform& platform, int quarterTurns) {
  if (game.extras.animation) {
    Restart(game, platform).quarterTurns = static_cast<std::int8_t>(quarterTurns);
  }
}

void StartDropMotion(Game& game, Platform& platform, int piece) {
  if (game.extras.animation) {
    Restart(game, platform).dropDelayMs[piece] = 0;
  }
}

void StartLiftMotion(Game& game, Platform& platform, const CellGrid& stood, int piece) {
  if (!game.extras.animation) {
    return;
  }
  Motion& motion = Restart(game, platform);
  for (int i = 0; i < kGridCells; ++i) {
    if (stood.cells[i] == PieceCellValue(piece)) {
      motion.lifted.cells[i] = stood.cells[i];
    }
  }
}

void StartArrivals(Game& game, Platform& platform, const CellGrid& before) {
  if (!game.extras.animation) {
    return;
  }
  std::array<std::int16_t, kPieceCount> delays = Motion{}.dropDelayMs;
  int order = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    const std::int8_t value = PieceCellValue(k);
    if (GridHolds(game.field, value) && !GridHolds(before, value)) {
      delays[k] = static_cast<std::int16_t>(order++ * kArrivalGapMs);
    }
  }
  if (order > 0) {
    Motion& motion = Restart(game, platform);
    motion.dropDelayMs = delays;
    motion.held = true;
    motion.arriving = true;
  }
}

void ReleaseArrivals(Game& game, Platform& platform) {
  if (game.motion.held) {
    game.motion.held = false;
    game.motion.startMs = platform.Milliseconds();
    platform.Invalidate(false);
  }
}

void StartWinMotion(Game& game, Platform& platform) {
  game.motion.winAnnouncementDue = true;
  if (!game.extras.animation) {
    AdvanceMotion(game, platform);
    return;
  }
  if (!game.motion.running) {
    Restart(game, platform);
  }
  game.motion.winGlow = true;
}

MotionFrame MotionFrameAt(const Motion& motion, std::int64_t nowMs) {
  MotionFrame frame;
  const std::int64_t elapsed = motion.held ? 0 : nowMs - motion.startMs;
  if (!motion.running || elapsed >= TotalMs(motion)) {
    return frame;
  }
  frame.still = false;
  const auto progress = [elapsed](int from, int length) {
    return std::clamp(static_cast<double>(elapsed - from) / length, 0.0, 1.0);
  };
  if (motion.quarterTurns != 0) {
    frame.quarterTurns = motion.quarterTurns;
    frame.turn = EaseInOut(progress(0, kTurnMotionMs));
  }
  for (int k = 0; k < kPieceCount; ++k) {
    if (motion.dropDelayMs[k] >= 0) {
      const double f = progress(motion.dropDelayMs[k], kPieceMotionMs);
      // Falling faster and faster; an arriving piece shows from its first moment on.
      frame.drops[k] = motion.arriving
                           ? Flight{kDropLayers * (1 - f * f),
                                    static_cast<int>(std::lround(255 * std::min(1.0, 3 * f)))}
                           : Flight{kSettleLayers * (1 - f * f), 255};
    }
  }
  const double lift = progress(0, kPieceMotionMs);
  frame.lift = {kDropLayers * (1 - (1 - lift) * (1 - lift)),
                static_cast<int>(std::lround(255 * (1 - lift)))};
  if (motion.winGlow) {
    const double glow = progress(PiecesEndMs(motion), kWinGlowMs);
    frame.glow = static_cast<int>(std::lround(kWinGlowPeak * std::sin(3.14159265358979 * glow)));
  }
  return frame;
}

bool FinishMotion(Game& game, Platform& platform) {
  Motion& motion = game.motion;
  if (motion.held) {
    return false;
  }
  if (motion.running) {
    motion.running = false;
    platform.Invalidate(false);
  }
  return AnnounceDueWin(game, platform);
}

bool MotionPending(const Motion& motion) {
  return motion.running || motion.winAnnouncementDue;
}

bool AdvanceMotion(Game& game, Platform& platform) {
  Motion& motion = game.motion;
  if (motion.running && !motion.held) {
    // The last frame of a motion is the still one.
    motion.running = !MotionFrameAt(motion, platform.Milliseconds()).still;
    platform.Invalidate(false);
  }
  if (!(motion.running && motion.winGlow)) {
    AnnounceDueWin(game, platform);
  }
  return MotionPending(motion);
}

}  // namespace kelvane
