// SPDX-License-Identifier: GPL-3.0-or-later
// The timeline of the motions: over the model as it already is, so that nothing ever waits for
// a picture.
#pragma once

#include <array>
#include <cstdint>

#include "model/motion.h"

namespace kelvane {

struct Game;
class Platform;

inline constexpr int kTurnMotionMs = 180;
inline constexpr int kPieceMotionMs = 160;
// Between the starts of the pieces that arrive one after another.
inline constexpr int kArrivalGapMs = 110;
inline constexpr int kWinGlowMs = 500;
// How far above its cells an arriving piece starts its drop, and a picked-up one ends its lift,
// in layers; a laid piece settles from a little above.
inline constexpr double kDropLayers = 1.5;
inline constexpr double kSettleLayers = 1.0;

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
// Piece k (0 … 6) drops into its cells.
void StartDropMotion(Game& game, Platform& platform, int piece);
// Piece k lifts out of the cells it had on `stood`, the Field before it was taken off.
void StartLiftMotion(Game& game, Platform& platform, const CellGrid& stood, int piece);
// Every piece on the Field that was not on `before` drops in, one after another, once
// ReleaseArrivals says the answer that revealed them was read.
void StartArrivals(Game& game, Platform& platform, const CellGrid& before);
void ReleaseArrivals(Game& game, Platform& platform);
// The win was recorded: the figure lights up, then the congratulation and the sound come. Without
// the Animation option they come at once.
void StartWinMotion(Game& game, Platform& platform);

MotionFrame MotionFrameAt(const Motion& motion, std::int64_t nowMs);

// Any new input: the running motion jumps to its end and repaints, and a win still to be
// announced is announced now; returns whether it was, so that the input goes to the
// congratulation as it would without the motion. Pieces held for an answer wait on.
bool FinishMotion(Game& game, Platform& platform);

// A motion runs or an announcement is still to come: the shell keeps ticking.
bool MotionPending(const Motion& motion);

// The shell's tick: ends a motion whose time is up, announces a win that is due, and repaints
// while anything moved. Returns MotionPending.
bool AdvanceMotion(Game& game, Platform& platform);

}  // namespace kelvane
