// SPDX-License-Identifier: GPL-3.0-or-later
// Counts that a player waits for while playing: run in a worker, stopped when no longer wanted,
// and given up as "too many to count" after a bounded time.
#pragma once

#include <atomic>
#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/count_limits.h"
#include "analysis/figure_analysis.h"
#include "model/cell_grid.h"
#include "model/text_template.h"

namespace kelvane {

// How long a count may run in the background before the figure is called too large; every
// library figure counts within milliseconds, large drawn ones may not.
inline constexpr std::chrono::seconds kPlayerCountTime{10};

inline constexpr std::string_view kTooManyToCount = PLAYER_TEXT("too many to count");
// Shown where a count will come.
inline constexpr std::string_view kCountingMessage = PLAYER_TEXT("counting…");
// The create panel's count of a figure built by cubes, while it is being counted.
inline constexpr std::string_view kDesignCounting = PLAYER_TEXT("Solutions: …");

struct PlayerCount {
  CompletionCounts counts;
  // Out of time, or more completions than 64 bits hold: counts are then 0.
  bool tooMany = false;
};

using CountClock = std::function<std::chrono::steady_clock::time_point()>;

// The counts of the position, within kPlayerCountTime of `clock` (steady_clock when empty).
// Nothing when `stop` was raised first: the answer is no longer wanted.
std::optional<PlayerCount> CountForPlayer(const CellGrid& figure, const CellGrid& field,
                                          const std::atomic<bool>& stop, CountClock clock = {});

// The "can it still be done?" answer within the same time; nothing when stopped or out of time.
std::optional<bool> CompletableForPlayer(const CellGrid& figure, const CellGrid& field,
                                         const std::atomic<bool>& stop);

// "11,520 completions · 240 distinct · Easy", in the singular where the completions are one; the
// tier's name alone for a figure without completion; "too many to count" for `tooMany`.
std::string CountsWording(const PlayerCount& count, const Wording& words = EnglishWording());

// The create panel's count of a figure built by cubes: "Solutions: 11520" (every completion),
// "no completion", or "too many to count".
std::string DesignCountWording(const PlayerCount& count, const Wording& words = EnglishWording());

}  // namespace kelvane
