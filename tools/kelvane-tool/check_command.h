// SPDX-License-Identifier: GPL-3.0-or-later
// `kelvane-tool check [--count] FILE...`: is every puzzle file readable and solvable?
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::tool {

// One line per file: path, tab, "ok", "rejected" or "unsolvable", tab, "cubes=N", and with
// --count a tab and "solutions=N" ("?" for a figure with more free cells than are counted).
// kExitSuccess when every file reads and is solvable, kExitFailure otherwise, kExitUsage
// without files or with an unknown option.
int RunCheck(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::tool
