// SPDX-License-Identifier: GPL-3.0-or-later
// The solved-puzzle record, "Solved.txt": a first line naming the format, then one figure key a
// line.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "model/solved_puzzles.h"

namespace kelvane {

struct Game;

inline constexpr std::string_view kSolvedRecordFileName = "Solved.txt";

std::string FormatSolvedRecord(const SolvedPuzzles& record);

// Nothing unless the first line is this format's and every other line is a figure key (blank
// lines aside); keys are taken in their own form whatever turn they were written in.
std::optional<SolvedPuzzles> ParseSolvedRecord(std::string_view text);

// Reads the record into game.solved; a missing or unusable file leaves it empty, the unusable
// one set aside.
void LoadSolvedRecord(Game& game);

}  // namespace kelvane
