// SPDX-License-Identifier: GPL-3.0-or-later
// The web page's entry points: the one Game, started, painted and fed the page's input.
#include <emscripten.h>

#include <sys/stat.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/analyse.h"
#include "analysis/search_text.h"
#include "analysis/solution_browser.h"
#include "model/command_ids.h"
#include "model/command_states.h"
#include "model/field_cursor.h"
#include "model/field_input.h"
#include "model/game.h"
#include "model/game_messages.h"
#include "model/motion_timeline.h"
#include "model/play_tally.h"
#include "render/client_input.h"
#include "render/composed_start.h"
#include "render/game_commands.h"
#include "render/skins.h"
#include "storage/grade_text.h"
#include "storage/grades_file.h"
#include "storage/language_choice_file.h"
#include "storage/library_order.h"
#include "storage/next_puzzle.h"
#include "web/handed_text.h"
#include "web/menu_json.h"
#include "web/skin_sheets.h"
#include "web/web_options.h"
#include "web/web_platform.h"

namespace {

// The one game and its platform, alive for the page's life.
kelvane::Game game;
kelvane::WebPlatform platform(game);
// The cell whose preview a first touch tap showed; a second tap there lays the piece.
std::optional<kelvane::FloorCell> tapPreview;

// The solution browser's search that the page's worker runs for the step under way.
std::optional<kelvane::SolutionSearch> solutionSearch;

using kelvane::Handed;

void TakeSolutionStep(int commandId, const kelvane::SolutionsFound* found) {
  const int step = commandId == kelvane::kCmdPreviousSolution ? -1 : 1;
  if (!kelvane::TakeSolutionStep(game, platform.solutions, step,
                                 solutionSearch ? &*solutionSearch : nullptr, found)) {
    kelvane::ShowGameMessage(game, platform, "No solution to show for this figure.",
                             kelvane::MessageStyle::Information);
  }
  platform.Invalidate(false);
}

kelvane::AnalyseMode AnalyseModeOf(int commandId) {
  return commandId == kelvane::kCmdHintOnePiece    ? kelvane::AnalyseMode::Hint
         : commandId == kelvane::kCmdShowAllPieces ? kelvane::AnalyseMode::ShowAll
                                                   : kelvane::AnalyseMode::Test;
}

}  // namespace

kelvane::Game& kelvane::PageGame() {
  return game;
}

kelvane::WebPlatform& kelvane::PagePlatform() {
  return platform;
}

extern "C" {

// Reads the player's files from the working folder; returns the skin picture (1…7) to fetch.
EMSCRIPTEN_KEEPALIVE int kelvane_load(const char* folder) {
  // This libc starts with a umask that takes every permission away, and files are written with
  // what the umask leaves: a reload could not read them back.
  umask(022);
  if (chdir(folder) != 0) {
    return 0;
  }
  kelvane::LoadPlayerFiles(game);
  return kelvane::SkinNumber(game.settings.SKIN_INDEX);
}

// The language chosen in Options, empty for the browser's own.
EMSCRIPTEN_KEEPALIVE const char* kelvane_language() {
  return Handed(kelvane::ChosenLanguage());
}

EMSCRIPTEN_KEEPALIVE void kelvane_give_skin(int number, const std::uint8_t* rgba, int size) {
  kelvane::KeepSkinSheet(number, {rgba, static_cast<std::size_t>(size)});
}

// The room the page has for the client area; once started, the area is fitted to it at once.
EMSCRIPTEN_KEEPALIVE void kelvane_viewport(int width, int height, int started) {
  platform.SetViewport({width, height});
  if (started != 0) {
    platform.FitWindow();
    platform.Invalidate(true);
  }
}

EMSCRIPTEN_KEEPALIVE void kelvane_start(int screenWidth, int screenHeight, int pixelRatio) {
  kelvane::StartComposedGame(game, platform, {screenWidth, screenHeight}, pixelRatio);
  platform.KeepChanges();
  game.randomSource.seed(
      static_cast<std::uint_fast32_t>(std::chrono::system_clock::now().time_since_epoch().count()));
}

// Each frame moves a running motion on, as the desktop's motion timer does; a win's
// congratulation comes from here once its light is over.
EMSCRIPTEN_KEEPALIVE void kelvane_paint() {
  platform.Paint();
  if (kelvane::MotionPending(game.motion) && !kelvane::AdvanceMotion(game, platform)) {
    kelvane::UpdateCommandStates(game, platform);
    platform.KeepChanges();
  }
}

EMSCRIPTEN_KEEPALIVE void kelvane_key(int virtualKey) {
  if (kelvane::KeyOnClientArea(game, platform, virtualKey)) {
    platform.KeepChanges();
  }
}

EMSCRIPTEN_KEEPALIVE void kelvane_pointer_move(int x, int y) {
  platform.SetPointer({x, y});
  kelvane::HideFieldCursor(game, platform);
  platform.Invalidate(false);
}

EMSCRIPTEN_KEEPALIVE void kelvane_press(int x, int y, int clicks) {
  platform.SetPointer({x, y});
  kelvane::PressClientArea(game, platform, {x, y}, clicks);
  platform.KeepChanges();
}

// A touch tap puts the pointer under the finger, so the preview shows there as a hover would.
EMSCRIPTEN_KEEPALIVE void kelvane_tap(int x, int y) {
  platform.SetPointer({x, y});
  kelvane::HideFieldCursor(game, platform);
  kelvane::TapClientArea(game, platform, {x, y}, tapPreview);
  platform.KeepChanges();
}

EMSCRIPTEN_KEEPALIVE void kelvane_wheel(int delta) {
  kelvane::WheelOnClientArea(game, platform, delta);
  platform.KeepChanges();
}

// The menus the page builds, as JSON (see web/menu_json.h).
EMSCRIPTEN_KEEPALIVE const char* kelvane_menus() {
  static const std::string json = kelvane::MenusJson();
  return json.c_str();
}

// Runs a menu command the core runs by itself; false for the others.
EMSCRIPTEN_KEEPALIVE int kelvane_command(int commandId) {
  const bool ran = kelvane::RunGameCommand(game, platform, commandId);
  platform.KeepChanges();
  return ran ? 1 : 0;
}

// The orientation popup to open for the selected piece (130, 131 or 132), or 0 for none.
EMSCRIPTEN_KEEPALIVE int kelvane_orientation_menu() {
  return kelvane::OrientationMenuToOpen(game, platform).value_or(0);
}

// The menu key: where its orientation popup opens, x · 65536 + y in client coordinates, or -1.
EMSCRIPTEN_KEEPALIVE int kelvane_menu_key() {
  const std::optional<kelvane::Point> place = kelvane::MenuKeyPopupPlace(game, platform);
  return place ? place->x * 65536 + place->y : -1;
}

EMSCRIPTEN_KEEPALIVE void kelvane_paint_orientation_item(int commandId, int selected) {
  platform.PaintOrientationItem(commandId, selected != 0);
}

// An Analyse command's question, and the request for the page's search worker; empty when Show all
// was declined.
EMSCRIPTEN_KEEPALIVE const char* kelvane_analyse_begin(int commandId) {
  return Handed(kelvane::ConfirmAnalysis(game, platform, AnalyseModeOf(commandId))
                    ? kelvane::SearchRequestText(game)
                    : "");
}

// The command's report of the worker's answer; an answer that is none for this game (the game
// changed meanwhile, or the worker failed) does nothing.
EMSCRIPTEN_KEEPALIVE void kelvane_analyse_end(int commandId, const char* answer) {
  if (const std::optional<bool> found = kelvane::TakeSearchAnswer(game, answer)) {
    kelvane::ReportAnalysis(game, platform, AnalyseModeOf(commandId), *found);
  }
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
}

// Next, Previous or Leave solutions: the search the step needs for the page's worker, or empty
// when the step is taken already.
EMSCRIPTEN_KEEPALIVE const char* kelvane_solutions_begin(int commandId) {
  const int step = commandId == kelvane::kCmdPreviousSolution ? -1 : 1;
  solutionSearch.reset();
  if (commandId == kelvane::kCmdLeaveSolutions) {
    kelvane::LeaveSolutions(game, platform.solutions);
    platform.Invalidate(false);
  } else if ((solutionSearch = kelvane::SearchForStep(game, platform.solutions, step))) {
    return Handed(kelvane::SolutionSearchText(*solutionSearch));
  } else {
    TakeSolutionStep(commandId, nullptr);
  }
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
  return Handed("");
}

// The step with what the worker found; an answer that is none for this figure does nothing.
EMSCRIPTEN_KEEPALIVE void kelvane_solutions_end(int commandId, const char* answer) {
  if (const auto found = kelvane::ReadSolutionsFound(answer, game.figure);
      found && solutionSearch) {
    TakeSolutionStep(commandId, &*found);
  }
  solutionSearch.reset();
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
}

// Next puzzle, as the desktop starts it once the library is graded: the figures still to grade
// for the page's background worker, or empty when none is, the next puzzle started.
EMSCRIPTEN_KEEPALIVE const char* kelvane_next_puzzle_begin() {
  const kelvane::PuzzleGrades grades = kelvane::LoadGrades();
  const std::vector<std::string> keys =
      kelvane::UngradedKeys(kelvane::OpenNewGameList(game), grades);
  if (!keys.empty()) {
    return Handed(kelvane::GradeRequestText(keys));
  }
  kelvane::StartNextPuzzle(game, platform, grades);
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
  return Handed("");
}

// The worker's grades join the cache (another tab's grades kept), and the next puzzle starts.
EMSCRIPTEN_KEEPALIVE void kelvane_next_puzzle_end(const char* answer) {
  kelvane::StartNextPuzzle(game, platform, kelvane::KeepGradesAnswer(answer));
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
}

// "Can it still be done?" after each move in play, when the player asked for it: the position for
// the page's background worker, or empty for no mark.
EMSCRIPTEN_KEEPALIVE const char* kelvane_completable_request() {
  return Handed(game.createMode == 0 && game.extras.canStillBeDone
                    ? kelvane::PositionText(game.figure, game.field)
                    : "");
}

// The count of the browsed solutions for the page's background worker, while their total is not
// known; else empty.
EMSCRIPTEN_KEEPALIVE const char* kelvane_solutions_count() {
  const kelvane::SolutionBrowser& browser = platform.solutions;
  return Handed(kelvane::IsBrowsing(game, browser) && !browser.total
                    ? kelvane::PositionText(browser.figure, browser.keptField)
                    : "");
}

// The count's answer, taken while the same solutions are browsed.
EMSCRIPTEN_KEEPALIVE void kelvane_solutions_counted(const char* request, const char* total) {
  kelvane::SolutionBrowser& browser = platform.solutions;
  const std::string_view digits = total;
  std::uint64_t count = 0;
  if (std::from_chars(digits.data(), digits.data() + digits.size(), count).ptr !=
          digits.data() + digits.size() ||
      digits.empty() || request != std::string_view(kelvane_solutions_count())) {
    return;
  }
  browser.total = count;
  platform.Invalidate(false);
}

// A page dialog holds the clock while it is open, as a desktop dialog does.
EMSCRIPTEN_KEEPALIVE void kelvane_hold_clock(int held) {
  kelvane::SetClockPause(game, platform, kelvane::kPauseDialogOpen, held != 0);
}

// The Options dialog (see web/web_options.h).
EMSCRIPTEN_KEEPALIVE const char* kelvane_options(int defaults) {
  return Handed(kelvane::OptionsJson(game, defaults != 0));
}

EMSCRIPTEN_KEEPALIVE int kelvane_missing_skin(int skinIndex) {
  return kelvane::MissingSkinPicture(skinIndex);
}

EMSCRIPTEN_KEEPALIVE void kelvane_paint_options_sample(int skinIndex, int background, int checkers,
                                                       int width, int height) {
  kelvane::PaintOptionsSample(game, skinIndex, static_cast<kelvane::Colour>(background),
                              checkers != 0, width, height);
}

// The options in the order of kelvane::PageOption.
EMSCRIPTEN_KEEPALIVE void kelvane_apply_options(int background, int ink, int checkers, int helpers,
                                                int skin, int scale, int canStillBeDone,
                                                int pieceNumbers, int clockAndMoves, int animation,
                                                int language) {
  kelvane::ApplyPageOptions(game, platform,
                            {background, ink, checkers, helpers, skin, scale, canStillBeDone,
                             pieceNumbers, clockAndMoves, animation, language});
  kelvane::UpdateCommandStates(game, platform);
  platform.KeepChanges();
}

}  // extern "C"
