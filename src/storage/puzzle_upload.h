// SPDX-License-Identifier: GPL-3.0-or-later
// A puzzle file brought in from outside the game (the web page's upload) added to the library.
#pragma once

#include <string_view>

#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

// Larger than any puzzle file of a 12 × 12 × 12 figure by far.
inline constexpr std::size_t kMaxPuzzleFileBytes = 64 * 1024;

inline constexpr std::string_view kNotAPuzzleNameMessage = PLAYER_TEXT(
    "%1 was not added: a puzzle file's name ends in .kvp and holds none of < > \" \\ / * ? : |");
inline constexpr std::string_view kNotAPuzzleTextMessage =
    PLAYER_TEXT("%1 was not added: it is not a puzzle file, or it is damaged.");

// Adds the file `fileName` (extension included) with the bytes `text` to the "Puzzles" folder.
// A name that Save puzzle could not give, or a text the puzzle reader rejects, is refused with a
// message that names the file; an existing puzzle of that name is replaced only after "File
// exist. Overwrite?" is answered Yes. True when the file was written.
bool AddPuzzleFile(const Game& game, Platform& platform, std::string_view fileName,
                   std::string_view text);

}  // namespace kelvane
