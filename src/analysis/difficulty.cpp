// SPDX-License-Identifier: GPL-3.0-or-later
// The difficulty tiers by the number of distinct completions.
#include "analysis/figure_analysis.h"
#include "model/text_template.h"

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
      return PLAYER_TEXT("Easy");
    case Tier::Medium:
      return PLAYER_TEXT("Medium");
    case Tier::Hard:
      return PLAYER_TEXT("Hard");
    case Tier::Expert:
      return PLAYER_TEXT("Expert");
    case Tier::None:
      break;
  }
  return PLAYER_TEXT("no completion");
}

}  // namespace kelvane
