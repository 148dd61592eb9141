// SPDX-License-Identifier: GPL-3.0-or-later
// The line under the field: which puzzle this is, how hard, how far, and the clock and moves,
// worded from the Game alone so that every shell shows the same line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/puzzle_bests.h"
#include "model/text_template.h"

namespace kelvane {

struct Game;

// The figure's difficulty as far as the shell knows it: still being counted, or its tier's
// name (empty when the figure cannot be counted).
struct FigureTier {
  bool counting = true;
  std::string_view name;
};

// What Next puzzle would start after a win, once the shell has looked: nothing while it looks, a
// file name ("Arch.kvp"), or empty when every library puzzle is solved.
using NextPuzzleNote = std::optional<std::string>;

// "Castle · Medium · 4 of 7 pieces laid · 2:31 · 14 moves · 2 hints" in play (the clock's
// parts only with "Clock and moves" on), "… · Solved in 2:31 · 14 moves · best 1:58 · Next:
// Arch (Ctrl+Shift+N)" after a win, "New figure · Creating by cubes · 14 cubes" in create mode;
// in the language of `words`, tier name included.
std::string StatusLineText(const Game& game, FigureTier tier, std::int64_t nowMs,
                           const NextPuzzleNote& next = std::nullopt,
                           const Wording& words = EnglishWording());

// A puzzle's bests as New game shows them: "Best 1:58, 12 moves".
std::string BestText(const PuzzleBest& best, const Wording& words = EnglishWording());

// "2:31", "1:02:03": whole seconds, never rounded up.
std::string ClockText(std::int64_t ms);

}  // namespace kelvane
