// SPDX-License-Identifier: GPL-3.0-or-later
// The entry points of the page's status line and of the create panel's texts: the core words
// them, and the counts they wait for run in the page's search worker.
#include <emscripten.h>

#include <optional>
#include <string>
#include <vector>

#include "analysis/figure_analysis.h"
#include "analysis/player_count.h"
#include "analysis/search_text.h"
#include "creation/figure_import.h"
#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/game.h"
#include "model/play_tally.h"
#include "model/solved_puzzles.h"
#include "model/status_line.h"
#include "render/layout.h"
#include "render/panel_item.h"
#include "storage/grade_text.h"
#include "storage/library_order.h"
#include "storage/new_game_dialog.h"
#include "storage/next_puzzle.h"
#include "web/handed_text.h"
#include "web/menu_json.h"
#include "web/web_platform.h"

namespace {

using namespace kelvane;

constexpr std::int64_t kSecondMs = 1000;

// The figure last seen, its key and the count its tier waits for, so that a turned view is
// neither counted again nor stops the count under way.
CellGrid seenFigure;
std::string seenKey;
std::string tierRequest;
// The key of the figure whose tier is known; its tier, nothing when it cannot be counted.
std::string answeredKey;
std::optional<Tier> tier;
// The win last seen, what Next puzzle would start after it, and the grading it waits for.
bool wonSeen = false;
NextPuzzleNote next;
std::string gradeRequest;

void LookForNextPuzzle(const Game& game) {
  const PuzzleGrades grades = LoadGrades();
  const std::vector<std::string> keys = UngradedKeys(OpenNewGameList(game), grades);
  if (keys.empty()) {
    next = NextPuzzleName(game, grades);
  } else {
    gradeRequest = GradeRequestText(keys);
  }
}

}  // namespace

extern "C" {

// The line and what it waits for: {"text", "key": Next puzzle's key as the line names it, "tick":
// milliseconds until the clock shows the next second, -1 while it stands, "count": the tier's
// count for the worker, "grades": the library's grading for the worker}, the last two empty when
// nothing is wanted. Cheap enough for every frame.
EMSCRIPTEN_KEEPALIVE const char* kelvane_status() {
  Game& game = PageGame();
  WebPlatform& platform = PagePlatform();
  SettleClock(game, platform);
  if (!GridEquals(game.figure, seenFigure)) {
    seenFigure = game.figure;
    seenKey = FigureKey(seenFigure);
    tierRequest = PositionText(seenFigure, CellGrid{});
  }
  if (game.play.won != wonSeen) {
    wonSeen = game.play.won;
    next.reset();
    gradeRequest.clear();
    if (wonSeen) {
      LookForNextPuzzle(game);
    }
  }
  const bool known = seenKey == answeredKey;
  const std::int64_t now = platform.Milliseconds();
  const FigureTier shown{!known, known && tier ? TierName(*tier) : std::string_view{}};
  const PlayClock& clock = game.play.clock;
  const bool ticking = clock.runningSince.has_value() && game.extras.clockAndMoves;
  return Handed("{\"text\":" + JsonQuoted(StatusLineText(game, shown, now, next, platform)) +
                ",\"key\":" + JsonQuoted(kNextPuzzleKey) + ",\"tick\":" +
                std::to_string(ticking ? kSecondMs - ElapsedMs(clock, now) % kSecondMs : -1) +
                ",\"count\":" + JsonQuoted(!known && game.createMode == 0 ? tierRequest : "") +
                ",\"grades\":" + JsonQuoted(next ? "" : gradeRequest) + "}");
}

// The worker's count for the tier; taken while its figure is the one in play.
EMSCRIPTEN_KEEPALIVE void kelvane_status_counted(const char* request, const char* answer) {
  const auto position = ReadPosition(request);
  if (!position || FigureKey(position->first) != seenKey) {
    return;
  }
  answeredKey = seenKey;
  const std::optional<PlayerCount> count = ReadPlayerCount(answer);
  // A figure too large to count in time (a large one drawn by the player) shows no tier.
  tier = count && !count->tooMany ? std::optional(TierOf(count->counts.distinct)) : std::nullopt;
}

// The worker's grades join the cache, and the line names the next puzzle while the win stands.
EMSCRIPTEN_KEEPALIVE void kelvane_status_graded(const char* request, const char* answer) {
  if (!wonSeen || request != gradeRequest) {
    return;
  }
  next = NextPuzzleName(PageGame(), KeepGradesAnswer(answer));
}

// The page shown and in front (1) or not (0): the play clock waits while the player is elsewhere.
EMSCRIPTEN_KEEPALIVE void kelvane_window_active(int active) {
  SetClockPause(PageGame(), PagePlatform(), kPauseWindowInactive, active == 0);
}

// While building by cubes the panel's first two items carry texts, which the page shows over
// them: {"amount": item 0's count of cubes, "request": the count of the figure for the worker once
// it has 27 cubes, "counting", "items": [[left, top, width, height, colour] of items 0 and 1, in
// client coordinates]}, the texts empty when none is shown.
EMSCRIPTEN_KEEPALIVE const char* kelvane_panel_notes() {
  const Game& game = PageGame();
  WebPlatform& platform = PagePlatform();
  const bool byCubes = InCreateByCubesMode(game);
  std::string request;
  if (byCubes && CountCells(game.field) == kFigureCubes) {
    CellGrid figure = game.field;
    NormaliseGrid(figure);
    request = PositionText(figure, CellGrid{});
  }
  std::string items;
  for (const int at : {0, 1}) {
    const Rect item = PanelItemClientRect(game, at);
    const Colour colour =
        platform.PanelSelection() == at ? game.settings.COLOR_BACK : game.settings.COLOR_INK;
    items += std::string(at == 0 ? "[" : ",[") + std::to_string(item.left) + "," +
             std::to_string(item.top) + "," + std::to_string(item.Width()) + "," +
             std::to_string(item.Height()) + "," + std::to_string(colour) + "]";
  }
  return Handed("{\"amount\":" + JsonQuoted(byCubes ? CubeAmountText(game, platform) : "") +
                ",\"request\":" + JsonQuoted(request) + ",\"counting\":" +
                JsonQuoted(platform.Word(kDesignCounting)) + ",\"items\":[" + items + "]}");
}

// The worker's count, worded; empty when it failed.
EMSCRIPTEN_KEEPALIVE const char* kelvane_design_counted(const char* answer) {
  const std::optional<PlayerCount> count = ReadPlayerCount(answer);
  return Handed(count ? DesignCountWording(*count, PagePlatform()) : std::string());
}

}  // extern "C"
