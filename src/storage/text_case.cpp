// SPDX-License-Identifier: GPL-3.0-or-later
// Letter-case-blind comparison of names.
#include "storage/text_case.h"

#include <algorithm>

namespace kelvane {

bool EqualsIgnoringCase(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char l, char r) { return LowerAscii(l) == LowerAscii(r); });
}

std::weak_ordering CompareIgnoringCase(std::string_view a, std::string_view b) {
  return std::lexicographical_compare_three_way(
      a.begin(), a.end(), b.begin(), b.end(),
      [](char l, char r) -> std::weak_ordering { return LowerAscii(l) <=> LowerAscii(r); });
}

}  // namespace kelvane
