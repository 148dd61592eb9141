// SPDX-License-Identifier: GPL-3.0-or-later
// Counting the completions of puzzle files, one line per file.
#include "count_command.h"

#include <charconv>
#include <chrono>
#include <optional>

#include "analysis/figure_analysis.h"
#include "puzzle_game.h"

namespace kelvane::tool {

namespace {

enum class Report { Completions, Distinct, Grade };

// Prints the file's line; true when the file was read and counted within `limits`.
bool CountFile(std::string_view path, Report report, const CountLimits& limits, std::ostream& out) {
  out << path << '\t';
  const std::optional<CellGrid> figure = ReadPuzzleAt(path);
  if (!figure) {
    out << "rejected\n";
    return false;
  }
  const CountOutcome outcome = CountCompletions(*figure, CellGrid{}, limits);
  if (!outcome.finished) {
    out << "unfinished\n";
    return false;
  }
  const CompletionCounts& counts = outcome.counts;
  switch (report) {
    case Report::Completions:
      out << counts.completions;
      break;
    case Report::Distinct:
      out << counts.distinct;
      break;
    case Report::Grade:
      out << counts.completions << '\t' << counts.distinct << '\t'
          << TierName(TierOf(counts.distinct));
      break;
  }
  out << '\n';
  return true;
}

int CountFiles(std::span<const std::string_view> files, Report report, const CountLimits& limits,
               std::string_view usage, std::ostream& out, std::ostream& err) {
  if (files.empty() || files.front().starts_with("--")) {
    err << "usage: kelvane-tool " << usage << '\n';
    return kExitUsage;
  }
  bool allCounted = true;
  for (std::string_view path : files) {
    allCounted = CountFile(path, report, limits, out) && allCounted;
  }
  return allCounted ? kExitSuccess : kExitFailure;
}

// Seconds, a positive finite decimal number.
std::optional<std::chrono::steady_clock::duration> ParseSeconds(std::string_view text) {
  double seconds = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), seconds);
  if (error != std::errc() || end != text.data() + text.size() || !(seconds > 0) || seconds > 1e9) {
    return std::nullopt;
  }
  return std::chrono::duration_cast<std::chrono::steady_clock::duration>(
      std::chrono::duration<double>(seconds));
}

}  // namespace

int RunCount(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  constexpr std::string_view kUsage = "count [--distinct] [--time-limit S] FILE...";
  Report report = Report::Completions;
  CountLimits limits;
  while (!args.empty() && args.front().starts_with("--")) {
    if (args.front() == "--distinct") {
      report = Report::Distinct;
      args = args.subspan(1);
    } else if (args.front() == "--time-limit" && args.size() >= 2 && ParseSeconds(args[1])) {
      limits.timeLimit = *ParseSeconds(args[1]);
      args = args.subspan(2);
    } else {
      break;
    }
  }
  return CountFiles(args, report, limits, kUsage, out, err);
}

int RunGrade(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  return CountFiles(args, Report::Grade, CountLimits{}, "grade FILE...", out, err);
}

}  // namespace kelvane::tool
