// SPDX-License-Identifier: GPL-3.0-or-later
// Reading UTF-8 byte strings, and showing names that are not UTF-8.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace kelvane {

// The length of the UTF-8 sequence starting at `at` in `text`, or 0 when none starts there.
std::size_t Utf8SequenceLength(std::string_view text, std::size_t at);

// A name from the disk as UTF-8 text: unchanged when it is UTF-8, else each byte read as the
// Latin-1 letter it was most likely written as ("caf\xE9" shows as "café").
std::string ReadableName(std::string_view name);

}  // namespace kelvane
