// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the completions of puzzle files, one line per file.
#include "count_command.h"

#include <optional>

#include "analysis/figure_analysis.h"
#include "puzzle_game.h"

namespace kelvane::tool {

namespace {

enum class Report { Completions, Distinct, Grade };

// Prints the file's line; true when the file was read and counted.
bool CountFile(std::string_view path, Report report, std::ostream& out) {
  out << path << '\t';
  const std::optional<CellGrid> figure = ReadPuzzleAt(path);
  if (!figure) {
    out << "rejected\n";
    return false;
  }
  const std::optional<CompletionCounts> counts = CountCompletions(*figure);
  if (!counts) {
    out << "?\n";
    return false;
  }
  switch (report) {
    case Report::Completions:
      out << counts->completions;
      break;
    case Report::Distinct:
      out << counts->distinct;
      break;
    case Report::Grade:
      out << counts->completions << '\t' << counts->distinct << '\t'
          << TierName(TierOf(counts->distinct));
      break;
  }
  out << '\n';
  return true;
}

int CountFiles(std::span<const std::string_view> files, Report report, std::string_view usage,
               std::ostream& out, std::ostream& err) {
  if (files.empty() || files.front().starts_with("--")) {
    err << "usage: kelvane-tool " << usage << '\n';
    return kExitUsage;
  }
  bool allCounted = true;
  for (std::string_view path : files) {
    allCounted = CountFile(path, report, out) && allCounted;
  }
  return allCounted ? kExitSuccess : kExitFailure;
}

}  // namespace

int RunCount(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  const bool distinct = !args.empty() && args.front() == "--distinct";
  return CountFiles(distinct ? args.subspan(1) : args,
                    distinct ? Report::Distinct : Report::Completions, "count [--distinct] FILE...",
                    out, err);
}

int RunGrade(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  return CountFiles(args, Report::Grade, "grade FILE...", out, err);
}

}  // namespace kelvane::tool
