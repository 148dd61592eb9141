// SPDX-License-Identifier: GPL-3.0-or-later
// Generating figures: parse the options, grow figures until enough have the wanted counts.
#include "generate_command.h"

#include <charconv>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <set>
#include <string>

#include "analysis/figure_analysis.h"
#include "puzzle_game.h"
#include "random_figure.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane::tool {

namespace {

constexpr std::string_view kUsage =
    "usage: kelvane-tool generate --cubes 27 --distinct MIN:MAX [--seed S] [--max-size X,Y,Z] "
    "N OUTDIR\n";
// Tries per wanted figure before giving up: ranges no random figure reaches must end.
constexpr int kTriesPerFigure = 4000;

struct Options {
  int cubes = 27;
  std::uint64_t minDistinct = 0;
  std::uint64_t maxDistinct = 0;
  bool haveDistinct = false;
  std::uint64_t seed = 1;
  Extents maxSize{5, 5, 5};
  int count = 0;
  std::filesystem::path folder;
};

template <typename Number>
bool ParseNumber(std::string_view text, Number& number) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  return error == std::errc() && end == text.data() + text.size();
}

// "A:B" or "A,B,C": the parts between the separators.
bool Split(std::string_view text, char separator, std::span<std::string_view> parts) {
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::size_t end = i + 1 < parts.size() ? text.find(separator) : text.size();
    if (end == std::string_view::npos) {
      return false;
    }
    parts[i] = text.substr(0, end);
    text.remove_prefix(std::min(text.size(), end + 1));
  }
  return parts.back().find(separator) == std::string_view::npos;
}

// The options, or a message saying what is wrong.
std::optional<Options> Parse(std::span<const std::string_view> args, std::string& problem) {
  Options options;
  std::vector<std::string_view> positional;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string_view arg = args[i];
    if (!arg.starts_with("--")) {
      positional.push_back(arg);
      continue;
    }
    if (i + 1 == args.size()) {
      problem = std::string(arg) + " needs a value";
      return std::nullopt;
    }
    const std::string_view value = args[++i];
    std::array<std::string_view, 3> parts;
    bool good = false;
    if (arg == "--cubes") {
      good = ParseNumber(value, options.cubes) && options.cubes >= 27 && options.cubes <= 64;
    } else if (arg == "--distinct") {
      good = Split(value, ':', std::span(parts).first(2)) &&
             ParseNumber(parts[0], options.minDistinct) &&
             ParseNumber(parts[1], options.maxDistinct) && options.minDistinct >= 1 &&
             options.minDistinct <= options.maxDistinct;
      options.haveDistinct = good;
    } else if (arg == "--seed") {
      good = ParseNumber(value, options.seed);
    } else if (arg == "--max-size") {
      good = Split(value, ',', parts) && ParseNumber(parts[0], options.maxSize.x) &&
             ParseNumber(parts[1], options.maxSize.y) && ParseNumber(parts[2], options.maxSize.z);
      for (int extent : {options.maxSize.x, options.maxSize.y, options.maxSize.z}) {
        good = good && extent >= 1 && extent <= 10;
      }
    } else {
      problem = "unknown option " + std::string(arg);
      return std::nullopt;
    }
    if (!good) {
      problem = "bad value for " + std::string(arg) + ": " + std::string(value);
      return std::nullopt;
    }
  }
  if (!options.haveDistinct) {
    problem = "--distinct MIN:MAX is needed";
  } else if (positional.size() != 2 || !ParseNumber(positional[0], options.count) ||
             options.count < 1 || options.count > 999) {
    problem = "give N (1 … 999) and OUTDIR";
  } else if (options.maxSize.x * options.maxSize.y * options.maxSize.z < options.cubes) {
    problem = "--max-size holds fewer cells than --cubes";
  } else {
    options.folder = positional[1];
    return options;
  }
  return std::nullopt;
}

}  // namespace

int RunGenerate(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  std::string problem;
  const std::optional<Options> options = Parse(args, problem);
  if (!options) {
    err << "kelvane-tool generate: " << problem << '\n' << kUsage;
    return kExitUsage;
  }
  std::error_code error;
  std::filesystem::create_directories(options->folder, error);
  FigureRandom random(options->seed);
  std::set<std::string> seen;
  int written = 0;
  for (long tries = 0; written < options->count && tries < long{kTriesPerFigure} * options->count;
       ++tries) {
    const CellGrid figure = RandomFigure(random, options->cubes, options->maxSize);
    const std::optional<CompletionCounts> counts = CountCompletions(figure);
    if (!counts || counts->distinct < options->minDistinct ||
        counts->distinct > options->maxDistinct || !seen.insert(FigureShapeKey(figure)).second) {
      continue;
    }
    char name[64];
    std::snprintf(name, sizeof name, "Generated %llu-%03d.kvp",
                  static_cast<unsigned long long>(options->seed), ++written);
    const std::filesystem::path path = options->folder / name;
    if (ReplaceFile(path, FormatPuzzleText(figure)) != FileWriteResult::Written) {
      err << path.string() << ": cannot be written\n";
      return kExitFailure;
    }
    out << path.string() << '\t' << counts->completions << '\t' << counts->distinct << '\t'
        << TierName(TierOf(counts->distinct)) << '\n';
  }
  if (written < options->count) {
    err << "kelvane-tool generate: found " << written << " of " << options->count
        << " figures in range\n";
    return kExitFailure;
  }
  return kExitSuccess;
}

}  // namespace kelvane::tool
