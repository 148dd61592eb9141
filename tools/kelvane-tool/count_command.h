// SPDX-License-Identifier: GPL-3.0-or-later
// `kelvane-tool count [--distinct] [--time-limit S] FILE...` and `kelvane-tool grade FILE...`:
// completion counts and difficulty tiers of puzzle files, the numbers New game shows.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::tool {

// One line per file: path, tab, the number of completions (with --distinct, of distinct
// completions), "rejected" for a file the game does not read, or "unfinished" for a count
// still running after S seconds (or beyond 2^64 - 1 completions). kExitSuccess when every file was
// counted, kExitFailure otherwise, kExitUsage without files or with an unknown option.
int RunCount(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

// One line per file: path, completions, distinct completions and tier ("Easy", "Medium", "Hard",
// "Expert" or "no completion"), tab-separated; "rejected" after the path for an unread file.
// Exit codes as RunCount.
int RunGrade(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::tool
