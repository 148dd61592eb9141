// SPDX-License-Identifier: GPL-3.0-or-later
// The short motions that follow a view turn, a lay, a pick-up and the win: a timeline over the
// model as it already is, so that nothing ever waits for a picture.
#pragma once

#include <array>
#include <cstdint>

#include "model/cell_grid.h"
#include "model/pieces.h"

namespace kelvane {

struct Game;
class Platform;

inline constexpr int kTurnMotionMs = 180;
inline constexpr int kPieceMotionMs = 160;
// Between the starts of the pieces that arrive one after another.
inline constexpr int kArrivalGapMs = 110;
inline constexpr int kWinGlowMs = 500;
// How far above its cells a piece starts its drop, and a picked-up one ends its lift, in layers.
inline constexpr double kDropLayers = 1.5;

struct Motion {
  bool running = false;
  std::int64_t startMs = 0;
  // The quarter turns of Rotate +90 degrees just made (1 or 3), or 0.
  std::int8_t quarterTurns = 0;
  // When each piece's drop starts, after startMs; -1 for a piece that does not drop.
  std::array<std::int16_t, kPieceCount> dropDelayMs{-1, -1, -1, -1, -1, -1, -1};
  // The cells the picked-up pieces stood on, with their values; empty when none lifts.
  CellGrid lifted;
  // The finished figure lights up once the pieces are in, and the win is announced after.
  bool winGlow = false;
  bool winAnnouncementDue = false;
};

// One piece in flight: how far above its cells it is drawn, in layers, and how opaque (0 … 255).
struct Flight {
  double rise = 0;
  int alpha = 255;
};

// What a frame shows at one moment. `still` frames are today's pictures of the model.
struct MotionFrame {
  bool still = true;
  // The turn's progress, 0 (the figure as it stood before) … 1 (as it stands now).
  double turn = 1;
  int quarterTurns = 0;
  std::array<Flight, kPieceCount> drops{};
  Flight lift;
  // How strongly the finished figure is lit, 0 … 255.
  int glow = 0;
};

// With the Animation option on, each of these starts the motion of what the model just did;
// otherwise they do nothing. A motion still running is finished first.
void StartTurnMotion(Game& game, Platform& platform, int quarterTurns);
// Piece k (0 … 6) drops into its cells, `order` pieces after the first of a group of arrivals.
void StartDropMotion(Game& game, Platform& platform, int piece, int order);
// The cells of piece k as they stood before it was taken off the Field.
void StartLiftMotion(Game& game, Platform& platform, const CellGrid& stood, int piece);
// The win was recorded: the figure lights up, then the congratulation and the sound come. Without
// the Animation option they come at once.
void StartWinMotion(Game& game, Platform& platform);

MotionFrame MotionFrameAt(const Motion& motion, std::int64_t nowMs);

// Any new input: the running motion jumps to its end and repaints (a win's announcement still
// comes with the next AdvanceMotion).
void FinishMotion(Game& game, Platform& platform);

// A motion runs or an announcement is still to come: the shell keeps ticking.
bool MotionPending(const Motion& motion);

// The shell's tick: ends a motion whose time is up, announces a win that is due, and repaints
// while anything moved. Returns MotionPending.
bool AdvanceMotion(Game& game, Platform& platform);

}  // namespace kelvane
