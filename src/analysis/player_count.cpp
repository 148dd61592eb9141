// SPDX-License-Identifier: GPL-3.0-or-later
// Bounding the player's counts in time and telling a stop from a figure too large.
#include "analysis/player_count.h"

namespace kelvane {

namespace {

CountLimits Bounded(const std::atomic<bool>& stop, CountClock clock) {
  CountLimits limits;
  limits.cancel = &stop;
  limits.timeLimit = kPlayerCountTime;
  limits.clock = std::move(clock);
  return limits;
}

}  // namespace

std::optional<PlayerCount> CountForPlayer(const CellGrid& figure, const CellGrid& field,
                                          const std::atomic<bool>& stop, CountClock clock) {
  const CountOutcome outcome = CountCompletions(figure, field, Bounded(stop, std::move(clock)));
  if (stop) {
    return std::nullopt;
  }
  return PlayerCount{.counts = outcome.counts, .tooMany = !outcome.finished};
}

std::optional<bool> CompletableForPlayer(const CellGrid& figure, const CellGrid& field,
                                         const std::atomic<bool>& stop) {
  return CanStillComplete(figure, field, Bounded(stop, {}));
}

std::string CountsWording(const PlayerCount& count, const Wording& words) {
  if (count.tooMany) {
    return words.Word(kTooManyToCount);
  }
  const Tier tier = TierOf(count.counts.distinct);
  if (tier == Tier::None) {
    return words.Word(TierName(tier));
  }
  return words.Word(PLAYER_COUNTED("%1 completion(s) · %2 distinct · %3"),
                    {words.Number(count.counts.completions), words.Number(count.counts.distinct),
                     words.Word(TierName(tier))},
                    static_cast<long>(count.counts.completions));
}

std::string DesignCountWording(const PlayerCount& count, const Wording& words) {
  if (count.tooMany) {
    return words.Word(kTooManyToCount);
  }
  if (count.counts.completions == 0) {
    return words.Word(PLAYER_TEXT("no completion"));
  }
  return words.Word(PLAYER_TEXT("Solutions: %1"), {std::to_string(count.counts.completions)});
}

}  // namespace kelvane
