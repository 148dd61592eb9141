// SPDX-License-Identifier: GPL-3.0-or-later
// INI look-ups over the text of a puzzle or settings file, by the rules those files rely on.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kelvane {

// The value of `key` in `section`, without the spaces around it. Lines end at LF (a CR before
// it is dropped). Section and key names match without regard to letter case; only the first
// section of a name counts, and within it only the first line of a key. Nothing when the
// section or the key is missing. A UTF-8 byte-order mark at the start is skipped.
std::optional<std::string_view> FindIniValue(std::string_view text, std::string_view section,
                                             std::string_view key);

// The key names of the lines of `section`, by the same rules, in file order, repeats included.
std::vector<std::string_view> IniSectionKeys(std::string_view text, std::string_view section);

// The integer at the start of the value: an optional sign and decimal digits, wrapping at 32
// bits; 0 when a non-empty value does not begin with a number. `fallback` when the key is
// missing or its value is empty.
std::int32_t ReadIniInt(std::string_view text, std::string_view section, std::string_view key,
                        std::int32_t fallback);

// The value, or `fallback` when the key is missing, cut to what a C buffer of `bufferSize`
// bytes holds (bufferSize - 1 characters).
std::string ReadIniString(std::string_view text, std::string_view section, std::string_view key,
                          std::string_view fallback, std::size_t bufferSize);

}  // namespace kelvane
