// SPDX-License-Identifier: GPL-3.0-or-later
// The kept game, "KeptGame.ini": the puzzle in progress when the game ended, continued at the next
// start.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/cell_grid.h"
#include "model/pieces.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

inline constexpr std::string_view kKeptGameFileName = "KeptGame.ini";

// What is kept: the Figure and Field as turned, the mode, the layers, the hide flags, the panel
// selection, whether the win is still to be announced, and the puzzle's name, clock and moves
// (a kept game without them, as older builds wrote it, starts those at nothing).
struct KeptGame {
  CellGrid figure;
  CellGrid field;
  int createMode = 0;
  int creationKind = 0;
  int currentLayer = 0;
  int shownLayers = 1;
  std::array<std::uint8_t, kPieceCount> hideFlags{};
  int selection = -1;
  int winAnnouncement = 1;
  std::string puzzleName;
  std::int64_t clockMs = 0;
  int moves = 0;
  int hints = 0;
  bool won = false;
};

// One "[Game]" section of "KEY = value" lines, every line ended by CR LF. The figure and the
// Field are drawn layer by layer ("Z0" upward), rows joined by '/': '.' no cube, '#' a Figure
// cube, '+' a created cube, '1' … '7' a cube of that piece.
std::string FormatKeptGame(const KeptGame& kept);

// Nothing unless the text is a whole kept game of this version that the game could have left:
// sizes, layers and selection in range, cubes and pieces that fit the mode, each piece on the
// Field in one of its orientations (from `game`'s tables).
std::optional<KeptGame> ParseKeptGame(std::string_view text, const Game& game);

// The game's state as it is now, with the panel's selection.
KeptGame KeepGame(const Game& game, Platform& platform);

// At start: continues the kept game if the file holds one; a missing file changes nothing and
// an unusable one is set aside without a message.
void ResumeKeptGame(Game& game, Platform& platform);

// At exit: writes the game in progress; a failure is not reported, as for the settings file.
void SaveKeptGame(const Game& game, Platform& platform);

}  // namespace kelvane
