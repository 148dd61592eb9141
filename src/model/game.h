// SPDX-License-Identifier: GPL-3.0-or-later
// The one game object: every field the subsystems share, in a fixed order, with no heap.
#pragma once

#include <array>
#include <cstdint>
#include <random>

#include "model/cell_grid.h"
#include "model/extra_options.h"
#include "model/field_cursor.h"
#include "model/graphics.h"
#include "model/motion.h"
#include "model/move_history.h"
#include "model/pieces.h"
#include "model/play_tally.h"
#include "model/puzzle_bests.h"
#include "model/settings.h"
#include "model/solved_puzzles.h"
#include "model/window_place.h"

namespace kelvane {

inline constexpr int kOrientationSlots = 50;
inline constexpr int kNameBufferSize = 100;

// The four pixel sizes of a cube sprite: half-width, face rise, edge height, height.
struct CubeGeometry {
  std::int32_t W = 0;
  std::int32_t R = 0;
  std::int32_t E = 0;
  std::int32_t H = 0;
  friend bool operator==(const CubeGeometry&, const CubeGeometry&) = default;
};

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Game {
  Settings settings;
  Graphics graphics;

  CellGrid figure;
  CellGrid field;
  std::array<CellGrid, kPieceCount> pieceGrids;
  CellGrid WorkGrid;
  std::array<std::uint8_t, kPieceCount> hideFlags{};
  // Slot s of piece k+1 is orientationTables[kOrientationSlots * k + s].
  std::array<CellGrid, kPieceCount * kOrientationSlots> orientationTables;
  std::array<CellGrid, kOrientationSlots> orientationScratch;
  std::array<std::int8_t, kPieceCount> orientationCounts{};

  CubeGeometry fieldGeometry;
  CubeGeometry thumbnailGeometry;
  std::int32_t currentLayer = 0;
  std::int32_t shownLayers = 0;
  std::int32_t createMode = 0;
  std::int32_t creationKind = 0;
  std::int32_t winAnnouncement = 0;
  // Hint's draws; the shell seeds it once at start, tests seed it to replay a game.
  std::minstd_rand randomSource;

  Point layoutOrigin;
  // The page on a narrow screen: the panel in two rows above the field, the preview below it.
  bool stackedLayout = false;

  std::array<char, kNameBufferSize> ProductName{'K', 'e', 'l', 'v', 'a', 'n', 'e'};
  std::array<char, kNameBufferSize + 1> PuzzleName{};

  ExtraOptions extras;
  MoveHistory history;
  SolvedPuzzles solved;
  PlayTally play;
  // Where the window stood when last placed, for the next start.
  KeptWindowPlace windowPlace;
  PuzzleBests bests;
  FieldCursor fieldCursor;
  Motion motion;
};

}  // namespace kelvane
