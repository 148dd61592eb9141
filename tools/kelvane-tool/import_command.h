// SPDX-License-Identifier: GPL-3.0-or-later
// `kelvane-tool import TEXTFILE OUTFILE`: a figure text turned into a puzzle file.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::tool {

// Parses TEXTFILE as the clipboard import parses the clipboard's text and writes the figure to
// OUTFILE as Save puzzle writes it. On a parse failure prints the import's message and returns
// kExitFailure, as it does when OUTFILE cannot be written; kExitUsage when TEXTFILE cannot be
// read or the arguments are wrong.
int RunImport(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::tool
