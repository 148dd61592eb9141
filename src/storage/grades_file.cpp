// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the grade cache.
#include "storage/grades_file.h"

#include <array>
#include <sstream>

#include "model/solved_puzzles.h"
#include "storage/set_aside_file.h"

namespace kelvane {

namespace {

constexpr std::string_view kHeader = "Kelvane grades 1";
constexpr std::array kTiers{Tier::None, Tier::Easy, Tier::Medium, Tier::Hard, Tier::Expert};

std::optional<Tier> TierNamed(std::string_view name) {
  for (const Tier tier : kTiers) {
    if (TierName(tier) == name) {
      return tier;
    }
  }
  return std::nullopt;
}

}  // namespace

std::string FormatGradesText(const PuzzleGrades& grades) {
  std::string text(kHeader);
  text += '\n';
  for (const auto& [key, tier] : grades.tiers) {
    text += std::string(TierName(tier)) + '\t' + key + '\n';
  }
  return text;
}

std::optional<PuzzleGrades> ParseGradesText(std::string_view text) {
  std::istringstream lines{std::string(text)};
  std::string line;
  if (!std::getline(lines, line) || line != kHeader) {
    return std::nullopt;
  }
  PuzzleGrades grades;
  while (std::getline(lines, line)) {
    const std::size_t tab = line.find('\t');
    if (tab == std::string::npos) {
      return std::nullopt;
    }
    const std::optional<Tier> tier = TierNamed(std::string_view(line).substr(0, tab));
    const std::optional<CellGrid> figure = FigureFromKey(std::string_view(line).substr(tab + 1));
    if (!tier || !figure) {
      return std::nullopt;
    }
    grades.tiers[FigureKey(*figure)] = *tier;
  }
  return grades;
}

PuzzleGrades LoadGrades() {
  return LoadOrSetAside(kGradesFileName, ParseGradesText).value_or(PuzzleGrades{});
}

void SaveGrades(const PuzzleGrades& grades) {
  ReplaceFile(kGradesFileName, FormatGradesText(grades));
}

std::optional<Tier> GradeFigure(const CellGrid& figure, const std::atomic<bool>& cancel) {
  CountLimits limits;
  limits.cancel = &cancel;
  limits.timeLimit = kGradeTimeLimit;
  const CountOutcome outcome = CountCompletions(figure, CellGrid{}, limits);
  if (cancel) {
    return std::nullopt;
  }
  return outcome.finished ? TierOf(outcome.counts.distinct) : Tier::None;
}

}  // namespace kelvane
