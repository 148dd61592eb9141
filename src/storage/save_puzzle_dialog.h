// SPDX-License-Identifier: GPL-3.0-or-later
// The logic of the Save puzzle dialog, without a window: the name rules and what OK does.
#pragma once

#include <cstddef>
#include <string_view>

#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

// The name field holds at most this many characters, and the name at most this many bytes.
inline constexpr int kPuzzleNameLimit = 100;
// Characters a file name may not hold, refused while typing: < > " \ / * ? : |
inline constexpr std::string_view kForbiddenNameCharacters = "<>\"\\/*?:|";

inline constexpr std::string_view kEnterFileNameMessage = PLAYER_TEXT("Please enter a file name.");
inline constexpr std::string_view kOverwriteQuestion = PLAYER_TEXT("File exist. Overwrite?");

// Whether a character typed into the name field goes in; a forbidden one beeps and stays out.
// (Pasting is refused the same way, with a beep, whatever the clipboard holds.)
bool AcceptNameCharacter(Platform& platform, char typed);

// Whether a name of `bytes` bytes (UTF-8, as the file name holds it) goes in; a longer one beeps
// and the typed text stays out, so that every name the field holds can be saved.
bool AcceptNameLength(Platform& platform, std::size_t bytes);

// Whether a name could stand in the name field: at most kPuzzleNameLimit bytes and no forbidden
// character (nor a NUL).
bool PuzzleNameFits(std::string_view name);

// OK with the name as typed: an empty or all-space name asks for a name; an existing file asks
// "File exist. Overwrite?" and No keeps the dialog open; otherwise PuzzleName is set and the
// puzzle saved. True when the dialog ends, whether the save succeeded or reported an error.
bool ConfirmSavePuzzle(Game& game, Platform& platform, std::string_view typedName);

}  // namespace kelvane
