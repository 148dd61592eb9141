// SPDX-License-Identifier: GPL-3.0-or-later
// Next puzzle: the first unsolved library puzzle after the current one, from Easy to Expert;
// and the first puzzle, for the guide.
#pragma once

#include <string>
#include <string_view>

#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"
#include "storage/grades_file.h"
#include "storage/new_game_dialog.h"

namespace kelvane {

inline constexpr std::string_view kAllSolvedMessage =
    PLAYER_TEXT("Every puzzle of the library is solved. Well done!");

// The entry holding the figure in play: PUZZLE when its file holds that figure, else the first
// entry that does; -1 in create mode or when no file holds it.
int CurrentEntry(const Game& game, const NewGameList& list);

// In `list`, the first readable unsolved entry after `current`, wrapping round to `current`
// itself last; from the first entry when `current` is -1. -1 when there is none.
int NextUnsolvedEntry(const NewGameList& list, int current);

// The library by difficulty (grades from the cache, ungraded entries last) with its selection
// on the next puzzle, -1 when every readable entry is solved.
NewGameList NextPuzzleList(const Game& game, const PuzzleGrades& grades);

// The next puzzle's file name ("Arch.kvp"), empty when every library puzzle is solved. Reads
// the library: a few milliseconds, no counting.
std::string NextPuzzleName(const Game& game, const PuzzleGrades& grades);

// Starts the next puzzle as New game's OK starts an entry, PUZZLE included; when every puzzle is
// solved, says so and starts nothing.
void StartNextPuzzle(Game& game, Platform& platform, const PuzzleGrades& grades);

// The guided first puzzle is the first start's figure, kept in the library as this file.
inline constexpr std::string_view kFirstPuzzleFile = "Well.kvp";

// Starts it as New game's OK starts an entry, solved or not; false, starting nothing, when the
// player's library no longer holds a readable copy.
bool StartFirstPuzzle(Game& game, Platform& platform);

}  // namespace kelvane
