// SPDX-License-Identifier: GPL-3.0-or-later
// How a count or check may be stopped before it ends, and how much memory its memo may take.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>

namespace kelvane {

inline constexpr std::size_t kMaxMemoBytes = std::size_t{64} << 20;

struct CountLimits {
  // Another thread sets it to stop the search; read every few thousand steps.
  const std::atomic<bool>* cancel = nullptr;
  // The search stops once `clock` has moved on this much since it began; none when 0 or less.
  std::chrono::steady_clock::duration timeLimit{0};
  // The time now; std::chrono::steady_clock::now when empty. Tests pass one they move by hand.
  std::function<std::chrono::steady_clock::time_point()> clock;
  // The memo table's memory; anything above kMaxMemoBytes counts as kMaxMemoBytes.
  std::size_t memoBytes = kMaxMemoBytes;
};

}  // namespace kelvane
