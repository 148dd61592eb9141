// SPDX-License-Identifier: GPL-3.0-or-later
// Letter-case-blind comparison of names, as file and INI names are compared.
#pragma once

#include <compare>
#include <string_view>

namespace kelvane {

constexpr char LowerAscii(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

bool EqualsIgnoringCase(std::string_view a, std::string_view b);

std::weak_ordering CompareIgnoringCase(std::string_view a, std::string_view b);

}  // namespace kelvane
