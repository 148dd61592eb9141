// SPDX-License-Identifier: GPL-3.0-or-later
// The bests, "Bests.txt": a first line naming the format, then one puzzle a line, "MS MOVES KEY",
// the best time in milliseconds, the fewest moves and the figure key of the solved record.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/puzzle_bests.h"

namespace kelvane {

struct Game;

inline constexpr std::string_view kBestsFileName = "Bests.txt";

std::string FormatBests(const PuzzleBests& bests);

// Nothing unless the first line is this format's and every other line a best (blank lines aside).
std::optional<PuzzleBests> ParseBests(std::string_view text);

// Reads the file into game.bests; a missing or unusable file leaves them empty, the unusable one
// set aside.
void LoadBests(Game& game);

}  // namespace kelvane
