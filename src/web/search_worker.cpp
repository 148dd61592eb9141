// SPDX-License-Identifier: GPL-3.0-or-later
// The search worker's instance of the core: answers the page's search requests, each as text.
#include <emscripten.h>

#include <atomic>
#include <string>

#include "analysis/player_count.h"
#include "analysis/search_text.h"
#include "analysis/solution_browser.h"
#include "storage/grade_text.h"
#include "web/handed_text.h"

namespace {

using kelvane::Handed;

// The page ends a search that is no longer wanted by ending the worker.
const std::atomic<bool> neverStopped{false};

std::optional<kelvane::PlayerCount> CountOf(const char* request) {
  const auto position = kelvane::ReadPosition(request);
  return position ? kelvane::CountForPlayer(position->first, position->second, neverStopped)
                  : std::nullopt;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE const char* kelvane_search(const char* request) {
  return Handed(kelvane::AnswerSearchRequest(request));
}

EMSCRIPTEN_KEEPALIVE const char* kelvane_solutions(const char* request) {
  const auto search = kelvane::ReadSolutionSearch(request);
  return Handed(search ? kelvane::SolutionsFoundText(*kelvane::RunSolutionSearch(*search, nullptr))
                       : "");
}

// The distinct completions of a position; empty when there are too many to count.
EMSCRIPTEN_KEEPALIVE const char* kelvane_count(const char* request) {
  const auto count = CountOf(request);
  return Handed(count && !count->tooMany ? std::to_string(count->counts.distinct) : "");
}

// The counts of a position for the player, as PlayerCountText writes them; empty for a request
// that is no position.
EMSCRIPTEN_KEEPALIVE const char* kelvane_player_count(const char* request) {
  const auto count = CountOf(request);
  return Handed(count ? kelvane::PlayerCountText(*count) : "");
}

// "1" when the position can still be completed, "0" when not, empty when it is too large to tell.
EMSCRIPTEN_KEEPALIVE const char* kelvane_completable(const char* request) {
  const auto position = kelvane::ReadPosition(request);
  const std::optional<bool> completable =
      position ? kelvane::CompletableForPlayer(position->first, position->second, neverStopped)
               : std::nullopt;
  return Handed(completable ? (*completable ? "1" : "0") : "");
}

EMSCRIPTEN_KEEPALIVE const char* kelvane_grade(const char* request) {
  return Handed(kelvane::AnswerGradeRequest(request));
}

}  // extern "C"
