// SPDX-License-Identifier: GPL-3.0-or-later
// `kelvane-tool generate`: random connected figures whose distinct completions lie in a range.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

namespace kelvane::tool {

// generate --cubes C --distinct MIN:MAX [--seed S] [--max-size X,Y,Z] N OUTDIR
// Writes N figures of C cubes (27 … 64; default 27), no two alike up to turns and mirror
// images, each with MIN … MAX distinct completions, to OUTDIR/"Generated S-NNN.kvp" (OUTDIR is
// made when missing), and prints each file's grade line. The same seed (default 1) and options
// give the same files. kExitFailure when fewer than N are found or a file cannot be written,
// kExitUsage on a wrong option or argument.
int RunGenerate(std::span<const std::string_view> args, std::ostream& out, std::ostream& err);

}  // namespace kelvane::tool
