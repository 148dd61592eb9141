// SPDX-License-Identifier: GPL-3.0-or-later
// `kelvane-tool solve FILE`: the completion Test puzzle finds, as a puzzle-file layout.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::tool {

// Prints the completion found from an empty Field in the layout of the puzzle file, each cell
// "." (empty) or the number 1 … 7 of the piece on it. kExitSuccess when solved, kExitFailure
// when not, kExitUsage when the file is rejected or unreadable or the arguments are wrong.
int RunSolve(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::tool
