// SPDX-License-Identifier: GPL-3.0-or-later
// Saving the figure built in a create mode as a puzzle file, then playing it.
#pragma once

#include <string_view>

#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

inline constexpr std::string_view kCannotCreateMessage = PLAYER_TEXT("Error create file for save.");
inline constexpr std::string_view kCannotSaveMessage = PLAYER_TEXT("Error save file.");

// Moves the Field's figure to the origin corner and writes it to "Puzzles/" + PuzzleName +
// ".kvp" (creating the folder), replacing any file of that name only once the new text is
// written whole. On success the figure, as plain cubes, becomes the puzzle of a new game; on
// failure a stop box says why and the game stays in create mode (the Field moved).
// Expects PuzzleName set and the Field validated.
void SavePuzzleFile(Game& game, Platform& platform);

// Writes `text` to `path` in the "Puzzles" folder (creating the folder) as SavePuzzleFile does;
// on failure a stop box says why. True when written.
bool WritePuzzleText(const Game& game, Platform& platform, const std::string& path,
                     std::string_view text);

}  // namespace kelvane
