// SPDX-License-Identifier: GPL-3.0-or-later
// The solution browser: finding a few solutions beyond the window it keeps, and laying one.
#include "analysis/solution_browser.h"

#include "analysis/analyse.h"
#include "model/game.h"
#include "model/move_history.h"

namespace kelvane {

namespace {

// Solutions found by one search: a step ahead is then mostly at hand.
constexpr int kAhead = 4;
// Solutions kept round the one shown.
constexpr std::size_t kKeep = 32;

bool Raised(const std::atomic<bool>* stop) {
  return stop != nullptr && stop->load(std::memory_order_relaxed);
}

int KeptEnd(const SolutionBrowser& browser) {
  return browser.keptFirst + static_cast<int>(browser.kept.size());
}

// Drops the kept solutions farthest from the one about to be shown.
void Trim(SolutionBrowser& browser, int next) {
  while (browser.kept.size() > kKeep) {
    if (next - browser.keptFirst > KeptEnd(browser) - 1 - next) {
      browser.kept.pop_front();
      ++browser.keptFirst;
    } else {
      browser.kept.pop_back();
    }
  }
}

bool Show(Game& game, SolutionBrowser& browser, int next) {
  browser.shown = next;
  CellGrid completed;
  LayCompletion(browser.kept[next - browser.keptFirst], completed);
  RevealCompletion(game, completed);
  browser.laid = game.field;
  return true;
}

}  // namespace

bool IsBrowsing(const Game& game, const SolutionBrowser& browser) {
  return browser.shown >= 0 && GridEquals(game.field, browser.laid) &&
         GridEquals(game.figure, browser.figure);
}

std::optional<SolutionSearch> SearchForStep(const Game& game, const SolutionBrowser& browser,
                                            int step) {
  SolutionSearch search{.figure = game.figure,
                        .field = browser.keptField,
                        .start = false,
                        .backward = step < 0,
                        .after = std::nullopt,
                        .needsTotal = false};
  if (!IsBrowsing(game, browser)) {
    search.field = game.field;
    search.start = true;
    search.needsTotal = search.backward;
    return search;
  }
  const int next = browser.shown + (step < 0 ? -1 : 1);
  if (!search.backward) {
    if (browser.total && next >= static_cast<std::int64_t>(*browser.total)) {
      // Round to the first.
      return browser.keptFirst == 0 ? std::nullopt : std::optional(search);
    }
    if (next < KeptEnd(browser)) {
      return std::nullopt;
    }
    search.after = browser.kept.back();
    return search;
  }
  if (next < 0) {
    // Round to the last.
    if (browser.total && KeptEnd(browser) == static_cast<std::int64_t>(*browser.total)) {
      return std::nullopt;
    }
    search.needsTotal = !browser.total;
    return search;
  }
  if (next >= browser.keptFirst) {
    return std::nullopt;
  }
  search.after = browser.kept.front();
  return search;
}

std::optional<SolutionsFound> RunSolutionSearch(const SolutionSearch& search,
                                                const std::atomic<bool>* stop) {
  SolutionsFound found;
  found.field = search.field;
  const auto find = [&](const std::optional<Completion>& after) {
    return FindDistinctCompletions(search.figure, found.field, after, kAhead, search.backward, stop)
        .value_or(CompletionRun{.completions = {}, .reachedEnd = true});
  };
  found.run = find(search.after);
  if (search.start && found.run.completions.empty() && GridHasCells(search.field)) {
    found.field = CellGrid{};
    found.fromPlayersPieces = false;
    found.run = find(std::nullopt);
  } else if (!search.backward && search.after && found.run.completions.empty()) {
    found.wrapped = true;
    found.run = find(std::nullopt);
  }
  if (search.needsTotal && !found.run.completions.empty() && !Raised(stop)) {
    CountLimits limits;
    limits.cancel = stop;
    const CountOutcome outcome = CountCompletions(search.figure, found.field, limits);
    if (outcome.finished) {
      found.total = outcome.counts.distinct;
    }
  }
  if (Raised(stop)) {
    return std::nullopt;
  }
  return found;
}

bool TakeSolutionStep(Game& game, SolutionBrowser& browser, int step, const SolutionSearch* search,
                      const SolutionsFound* found) {
  if (search == nullptr || found == nullptr) {
    int next = browser.shown + (step < 0 ? -1 : 1);
    if (next < 0) {
      next = static_cast<int>(browser.total.value_or(1)) - 1;
    } else if (browser.total && next >= static_cast<std::int64_t>(*browser.total)) {
      next = 0;
    }
    return Show(game, browser, next);
  }
  const std::vector<Completion>& list = found->run.completions;
  const std::optional<std::uint64_t> total = found->total ? found->total : browser.total;
  // Backward from the last needs its number; only a count past 64 bits leaves it unknown.
  if (list.empty() || (search->backward && !search->after && !total)) {
    return false;
  }
  if (search->start) {
    browser.player = {game.field, game.pieceGrids, game.hideFlags};
    browser.figure = game.figure;
    browser.fromPlayersPieces = found->fromPlayersPieces;
    browser.keptField = found->field;
    // The whole visit is one move: a single Undo gives the player's own Field back.
    RecordMove(game);
  }
  browser.total = total;
  int next = 0;
  if (!search->backward && search->after && !found->wrapped) {
    browser.kept.insert(browser.kept.end(), list.begin(), list.end());
    next = browser.shown + 1;
  } else if (!search->backward) {
    if (found->wrapped) {
      browser.total = KeptEnd(browser);
    }
    browser.kept.assign(list.begin(), list.end());
    browser.keptFirst = 0;
  } else if (search->after) {
    for (const Completion& completion : list) {
      browser.kept.push_front(completion);
    }
    browser.keptFirst -= static_cast<int>(list.size());
    next = browser.shown - 1;
  } else {
    browser.kept.assign(list.rbegin(), list.rend());
    browser.keptFirst = static_cast<int>(*total) - static_cast<int>(list.size());
    next = static_cast<int>(*total) - 1;
  }
  if (!search->backward && found->run.reachedEnd) {
    browser.total = KeptEnd(browser);
  }
  Trim(browser, next);
  return Show(game, browser, next);
}

bool StepSolutions(Game& game, SolutionBrowser& browser, int step) {
  const std::optional<SolutionSearch> search = SearchForStep(game, browser, step);
  if (!search) {
    return TakeSolutionStep(game, browser, step, nullptr, nullptr);
  }
  const std::optional<SolutionsFound> found = RunSolutionSearch(*search, nullptr);
  return TakeSolutionStep(game, browser, step, &*search, &*found);
}

void LeaveSolutions(Game& game, SolutionBrowser& browser) {
  if (!IsBrowsing(game, browser)) {
    return;
  }
  RecordMove(game);
  game.field = browser.player.field;
  game.pieceGrids = browser.player.pieceGrids;
  game.hideFlags = browser.player.hideFlags;
  browser.shown = -1;
}

std::string SolutionCaption(const SolutionBrowser& browser, const Wording& words) {
  const std::string shown = std::to_string(browser.shown + 1);
  return browser.total
             ? words.Word(PLAYER_TEXT("Solution %1 of %2"), {shown, std::to_string(*browser.total)})
             : words.Word(PLAYER_TEXT("Solution %1 of at least %2"),
                          {shown, std::to_string(KeptEnd(browser))});
}

std::string SolutionSourceLine(const SolutionBrowser& browser, const Wording& words) {
  if (!GridHasCells(browser.player.field)) {
    return {};
  }
  return words.Word(
      browser.fromPlayersPieces
          ? PLAYER_TEXT("with your pieces where they lie")
          : PLAYER_TEXT("your pieces allow no completion: the figure's own solutions"));
}

}  // namespace kelvane
