// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first puzzle in the page: the core's tour, shown the game after each of the page's
// calls, and the step the page's bubble speaks, with where its target lies on the canvas.
#include <emscripten.h>

#include <optional>
#include <string>

#include "model/command_ids.h"
#include "model/command_states.h"
#include "model/guide_steps.h"
#include "render/game_commands.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "storage/guide_mark_file.h"
#include "storage/next_puzzle.h"
#include "web/handed_text.h"
#include "web/menu_json.h"
#include "web/web_platform.h"

namespace {

using namespace kelvane;

// None while no guide runs.
std::optional<GuideTour> tour;

GuideGlance Glance() {
  return TakeGuideGlance(PageGame(), PagePlatform(), PreviewCell(PageGame(), PagePlatform()));
}

const char* TargetName(GuideTarget target) {
  switch (target) {
    case GuideTarget::Panel:
      return "panel";
    case GuideTarget::SelectedPiece:
      return "selectedPiece";
    case GuideTarget::Field:
      return "field";
    case GuideTarget::LayerColumn:
      return "layerColumn";
    case GuideTarget::MenuBar:
      return "menuBar";
  }
  return "panel";
}

// In client coordinates; the menu bar is the page's own, found there by the Analyse menu's item.
Rect TargetRect(GuideTarget target) {
  const Game& game = PageGame();
  switch (target) {
    case GuideTarget::SelectedPiece:
      if (const int item = PagePlatform().PanelSelection(); item >= 0 && item < kPanelItemCount) {
        return PanelItemClientRect(game, item);
      }
      return PanelRect(game);
    case GuideTarget::Panel:
      return PanelRect(game);
    case GuideTarget::Field:
    case GuideTarget::LayerColumn:
      return FieldViewRect(game);
    case GuideTarget::MenuBar:
      break;
  }
  return {};
}

// {"step", "of", "text" (in the player's language), "target", "rect": [left, top, right, bottom],
// "menuItem"}, or empty once the guide is over.
const char* StepJson() {
  if (tour && !tour->Running()) {
    tour.reset();
  }
  if (!tour) {
    return Handed("");
  }
  const GuideStep& step = tour->Current();
  const Rect r = TargetRect(step.target);
  return Handed("{\"step\":" + std::to_string(tour->StepNumber()) +
                ",\"of\":" + std::to_string(GuideTour::StepCount()) +
                ",\"text\":" + JsonQuoted(PagePlatform().Word(step.text)) +
                ",\"target\":" + JsonQuoted(TargetName(step.target)) + ",\"rect\":[" +
                std::to_string(r.left) + "," + std::to_string(r.top) + "," +
                std::to_string(r.right) + "," + std::to_string(r.bottom) +
                "],\"menuItem\":" + std::to_string(kCmdTestPuzzle) + "}");
}

}  // namespace

extern "C" {

// Whether the page opens the guide by itself: the very first visit, asked before the game starts
// and writes its files.
EMSCRIPTEN_KEEPALIVE int kelvane_guide_offered() {
  return IsFirstStart(PageGame()) ? 1 : 0;
}

// Help > Guided first puzzle starts the first puzzle under the guide; the first visit's guide
// opens over the game as it stands. Either marks the guide seen.
EMSCRIPTEN_KEEPALIVE const char* kelvane_guide_start(int firstPuzzle) {
  if (firstPuzzle != 0) {
    StartFirstPuzzle(PageGame(), PagePlatform());
    UpdateCommandStates(PageGame(), PagePlatform());
  }
  MarkGuideSeen(PageGame());
  tour.emplace(Glance());
  PagePlatform().KeepChanges();
  return StepJson();
}

// After each of the page's calls into the core while the guide runs: `input` for the pointer, a
// key, a tap or the wheel, `commandId` for a menu command (0 for none). Only those and the
// commands that are a step's action may move the guide on; an Analyse command is its last step.
EMSCRIPTEN_KEEPALIVE const char* kelvane_guide_look(int input, int commandId) {
  if (tour) {
    tour->Look(Glance(), input != 0 || IsGuideAction(commandId));
    if (IsAnalyseCommand(commandId)) {
      tour->Notice(GuideEvent::AnalyseUsed);
    }
  }
  return StepJson();
}

// Skip or Esc.
EMSCRIPTEN_KEEPALIVE void kelvane_guide_end() {
  tour.reset();
}

}  // extern "C"
