// SPDX-License-Identifier: GPL-3.0-or-later
// A search's way to learn that it must stop: cancelled, out of time, or its count too large.
#pragma once

#include <chrono>
#include <cstdint>

#include "analysis/count_limits.h"

namespace kelvane {

class SearchControl {
 public:
  explicit SearchControl(const CountLimits& limits);

  // Called once a node; looks at the flag and the clock every kStepsBetweenLooks calls.
  bool Stopped() {
    if (--untilLook_ > 0) {
      return stopped_;
    }
    return Look();
  }
  bool Finished() const { return !stopped_; }
  std::size_t MemoBytes() const { return memoBytes_; }

  // a + b, stopping the search when it does not fit in 64 bits.
  std::uint64_t Add(std::uint64_t a, std::uint64_t b);
  std::uint64_t Multiply(std::uint64_t a, std::uint64_t b);

 private:
  static constexpr int kStepsBetweenLooks = 4096;
  bool Look();

  const CountLimits& limits_;
  std::chrono::steady_clock::time_point deadline_;
  bool timed_ = false;
  bool stopped_ = false;
  int untilLook_ = kStepsBetweenLooks;
  std::size_t memoBytes_;
};

}  // namespace kelvane
