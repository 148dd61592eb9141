// SPDX-License-Identifier: GPL-3.0-or-later
#include "analysis/search_control.h"

#include <algorithm>

namespace kelvane {

namespace {

std::chrono::steady_clock::time_point Now(const CountLimits& limits) {
  return limits.clock ? limits.clock() : std::chrono::steady_clock::now();
}

}  // namespace

SearchControl::SearchControl(const CountLimits& limits)
    : limits_(limits),
      timed_(limits.timeLimit > std::chrono::steady_clock::duration::zero()),
      memoBytes_(std::min(limits.memoBytes, kMaxMemoBytes)) {
  if (timed_) {
    deadline_ = Now(limits) + limits.timeLimit;
  }
  // A search cancelled before it began does no work.
  stopped_ = limits.cancel != nullptr && limits.cancel->load(std::memory_order_relaxed);
}

bool SearchControl::Look() {
  untilLook_ = kStepsBetweenLooks;
  if (limits_.cancel != nullptr && limits_.cancel->load(std::memory_order_relaxed)) {
    stopped_ = true;
  }
  if (timed_ && !stopped_ && Now(limits_) >= deadline_) {
    stopped_ = true;
  }
  return stopped_;
}

std::uint64_t SearchControl::Add(std::uint64_t a, std::uint64_t b) {
  std::uint64_t sum = 0;
  stopped_ = __builtin_add_overflow(a, b, &sum) || stopped_;
  return sum;
}

std::uint64_t SearchControl::Multiply(std::uint64_t a, std::uint64_t b) {
  std::uint64_t product = 0;
  stopped_ = __builtin_mul_overflow(a, b, &product) || stopped_;
  return product;
}

}  // namespace kelvane
