// SPDX-License-Identifier: GPL-3.0-or-later
// Clipboard text brought down to the single-byte text that figure text is written in.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// One byte per character of the UTF-8 `text`: Latin-1 keeps what it can hold; any other
// character, and any byte that is not valid UTF-8, becomes '?', a cube like every other mark.
std::string SingleByteText(std::string_view text);

}  // namespace kelvane
