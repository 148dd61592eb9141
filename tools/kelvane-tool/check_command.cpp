// SPDX-License-Identifier: GPL-3.0-or-later
// Checking puzzle files: reader, solver and, on request, the number of completions.
#include "check_command.h"

#include <optional>

#include "analysis/figure_analysis.h"
#include "model/game_init.h"
#include "puzzle_game.h"

namespace kelvane::tool {

namespace {

// Prints the file's line; true when the file reads and is solvable.
bool CheckFile(std::string_view path, bool count, std::ostream& out) {
  const std::optional<CellGrid> figure = ReadPuzzleAt(path);
  out << path << '\t';
  if (!figure) {
    out << "rejected\tcubes=0" << (count ? "\tsolutions=0" : "") << '\n';
    return false;
  }
  const auto game = GameOn(*figure);
  const bool solvable = SolveFromEmptyField(*game);
  out << (solvable ? "ok" : "unsolvable") << "\tcubes=" << CountCells(*figure);
  if (count) {
    const std::optional<CompletionCounts> solutions = CountCompletions(*figure);
    out << "\tsolutions=";
    if (solutions) {
      out << solutions->completions;
    } else {
      out << '?';
    }
  }
  out << '\n';
  return solvable;
}

}  // namespace

int RunCheck(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  bool count = false;
  if (!args.empty() && args.front() == "--count") {
    count = true;
    args = args.subspan(1);
  }
  if (args.empty() || args.front().starts_with("--")) {
    err << "usage: kelvane-tool check [--count] FILE...\n";
    return kExitUsage;
  }
  bool allGood = true;
  for (std::string_view path : args) {
    allGood = CheckFile(path, count, out) && allGood;
  }
  return allGood ? kExitSuccess : kExitFailure;
}

}  // namespace kelvane::tool
