// SPDX-License-Identifier: GPL-3.0-or-later
// Ordering the library by grade and counting the progress in each tier.
#include "storage/library_order.h"

#include <algorithm>
#include <array>
#include <numeric>
#include <set>

#include "model/solved_puzzles.h"

namespace kelvane {

namespace {

constexpr std::array kClimb{Tier::Easy, Tier::Medium, Tier::Hard, Tier::Expert};

// The entry's place in the climb; kClimb.size() for an entry without a tier.
std::size_t Rank(const NewGameList& list, std::size_t entry, const PuzzleGrades& grades) {
  const std::optional<Tier> tier = EntryTier(list, entry, grades);
  return static_cast<std::size_t>(std::ranges::find(kClimb, tier.value_or(Tier::None)) -
                                  kClimb.begin());
}

template <typename T>
std::vector<T> Permuted(const std::vector<T>& values, const std::vector<std::size_t>& order) {
  std::vector<T> result;
  for (const std::size_t i : order) {
    result.push_back(values[i]);
  }
  return result;
}

}  // namespace

std::optional<Tier> EntryTier(const NewGameList& list, std::size_t entry,
                              const PuzzleGrades& grades) {
  const auto found = grades.tiers.find(list.keys[entry]);
  return found == grades.tiers.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> UngradedKeys(const NewGameList& list, const PuzzleGrades& grades) {
  std::set<std::string> keys;
  for (const std::string& key : list.keys) {
    if (!key.empty() && !grades.tiers.contains(key)) {
      keys.insert(key);
    }
  }
  return {keys.begin(), keys.end()};
}

PuzzleGrades GradeKeys(const std::vector<std::string>& keys, const std::atomic<bool>& cancel) {
  PuzzleGrades grades;
  for (const std::string& key : keys) {
    const std::optional<CellGrid> figure = FigureFromKey(key);
    const std::optional<Tier> tier = figure ? GradeFigure(*figure, cancel) : std::nullopt;
    if (cancel) {
      break;
    }
    if (tier) {
      grades.tiers[key] = *tier;
    }
  }
  return grades;
}

void OrderNewGameList(NewGameList& list, LibraryOrder order, const PuzzleGrades& grades) {
  std::vector<std::size_t> indices(list.entries.size());
  std::iota(indices.begin(), indices.end(), std::size_t{0});
  std::ranges::sort(indices, [&](std::size_t a, std::size_t b) {
    if (order == LibraryOrder::ByDifficulty) {
      const std::size_t rankA = Rank(list, a, grades);
      const std::size_t rankB = Rank(list, b, grades);
      if (rankA != rankB) {
        return rankA < rankB;
      }
    }
    return ListedBefore(list.entries[a], list.entries[b]);
  });
  const int selected = list.selection;
  list.selection = -1;
  for (std::size_t place = 0; place < indices.size(); ++place) {
    if (static_cast<int>(indices[place]) == selected) {
      list.selection = static_cast<int>(place);
    }
  }
  list.entries = Permuted(list.entries, indices);
  list.solved = Permuted(list.solved, indices);
  list.keys = Permuted(list.keys, indices);
}

std::string TierProgress(const NewGameList& list, const PuzzleGrades& grades,
                         const Wording& words) {
  std::string line;
  for (const Tier tier : kClimb) {
    int solved = 0;
    int graded = 0;
    for (std::size_t i = 0; i < list.entries.size(); ++i) {
      if (EntryTier(list, i, grades) == tier) {
        ++graded;
        solved += list.solved[i] ? 1 : 0;
      }
    }
    line += (line.empty() ? "" : " · ") +
            words.Word(PLAYER_TEXT("%1 %2/%3"), {words.Word(TierName(tier)), std::to_string(solved),
                                                 std::to_string(graded)});
  }
  return line;
}

}  // namespace kelvane
