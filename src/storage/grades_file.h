// SPDX-License-Identifier: GPL-3.0-or-later
// The grade cache, "Grades.txt": each library figure's tier, kept so a second look costs nothing.
#pragma once

#include <atomic>
#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <string_view>

#include "analysis/figure_analysis.h"

namespace kelvane {

inline constexpr std::string_view kGradesFileName = "Grades.txt";

// Tiers by figure key (FigureKey), so an edited file is a new key and is graded afresh, and a
// figure in two files or two turns is graded once.
struct PuzzleGrades {
  std::map<std::string, Tier> tiers;
  friend bool operator==(const PuzzleGrades&, const PuzzleGrades&) = default;
};

// A first line naming the format, then one "tier<TAB>figure key" line per figure.
std::string FormatGradesText(const PuzzleGrades& grades);

// Nothing unless every line after the format's first is a tier name, a tab and a figure key.
std::optional<PuzzleGrades> ParseGradesText(std::string_view text);

// The cache of the current folder; missing gives none, damaged is set aside and gives none.
PuzzleGrades LoadGrades();

// Rewrites the cache; a failure costs only the time to grade again.
void SaveGrades(const PuzzleGrades& grades);

// A figure whose count takes longer than this (a large one drawn by the player) is graded None.
inline constexpr std::chrono::seconds kGradeTimeLimit{20};

// The tier of `figure` as New game shows it; None also for a figure too large to count in
// kGradeTimeLimit. Nothing when `cancel` stopped it.
std::optional<Tier> GradeFigure(const CellGrid& figure, const std::atomic<bool>& cancel);

}  // namespace kelvane
