// SPDX-License-Identifier: GPL-3.0-or-later
// Running, standing and reading the play clock.
#include "model/play_clock.h"

#include <algorithm>

namespace kelvane {

void RunClock(PlayClock& clock, bool running, std::int64_t nowMs) {
  running = running && !clock.stopped;
  if (running && !clock.runningSince) {
    clock.runningSince = nowMs;
  } else if (!running && clock.runningSince) {
    clock.elapsedMs = ElapsedMs(clock, nowMs);
    clock.runningSince.reset();
  }
}

void StopClock(PlayClock& clock, std::int64_t nowMs) {
  RunClock(clock, false, nowMs);
  clock.stopped = true;
}

std::int64_t ElapsedMs(const PlayClock& clock, std::int64_t nowMs) {
  // A time source that steps back (a changed system clock) never takes time away.
  return clock.elapsedMs +
         (clock.runningSince ? std::max<std::int64_t>(nowMs - *clock.runningSince, 0) : 0);
}

}  // namespace kelvane
