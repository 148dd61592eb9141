// SPDX-License-Identifier: GPL-3.0-or-later
// The shape the game's own record files share: a first line naming the format, then one entry a
// line.
#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace kelvane {

// The entry lines after `header`, without their line ends and with blank lines left out; nothing
// unless the text's first line is `header`.
std::optional<std::vector<std::string_view>> RecordLines(std::string_view text,
                                                         std::string_view header);

}  // namespace kelvane
