// SPDX-License-Identifier: GPL-3.0-or-later
// The play clock: time that runs only while the player could be playing, read off a time source
// the caller passes in, so it never reads a clock of its own.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvane {

struct PlayClock {
  std::int64_t elapsedMs = 0;
  // When it last began to run; nothing while it stands.
  std::optional<std::int64_t> runningSince;
  // Stopped by a win: it stands until it is reset.
  bool stopped = false;
};

// Lets the clock run or stand from `nowMs` on; a stopped clock stands whatever is asked.
void RunClock(PlayClock& clock, bool running, std::int64_t nowMs);

// Stands the clock for good at `nowMs`.
void StopClock(PlayClock& clock, std::int64_t nowMs);

std::int64_t ElapsedMs(const PlayClock& clock, std::int64_t nowMs);

}  // namespace kelvane
