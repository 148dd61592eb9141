// SPDX-License-Identifier: GPL-3.0-or-later
// The difficulty tiers by the number of distinct completions.
#include "analysis/figure_analysis.h"

namespace kelvane {

Tier TierOf(std::uint64_t distinct) {
  if (distinct == 0) {
    return Tier::None;
  }
  if (distinct <= 2) {
    return Tier::Expert;
  }
  if (distinct <= 19) {
    return Tier::Hard;
  }
  return distinct <= 99 ? Tier::Medium : Tier::Easy;
}

std::string_view TierName(Tier tier) {
  switch (tier) {
    case Tier::Easy:
      return "Easy";
    case Tier::Medium:
      return "Medium";
    case Tier::Hard:
      return "Hard";
    case Tier::Expert:
      return "Expert";
    case Tier::None:
      break;
  }
  return "no completion";
}

}  // namespace kelvane
