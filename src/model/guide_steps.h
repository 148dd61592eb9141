// SPDX-License-Identifier: GPL-3.0-or-later
// The guided first puzzle: its steps in order, each waiting for one thing the player really does.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "model/cell_grid.h"
#include "model/platform.h"

namespace kelvane {

struct Game;

// What a step waits for the player to do.
enum class GuideEvent : std::uint8_t {
  PieceChosen,
  PieceTurned,
  PreviewShown,
  PieceLaid,
  PiecePickedUp,
  LayerChanged,
  ViewTurned,
  AnalyseUsed,
};

// What a step speaks of, so the shell can set its words beside it.
enum class GuideTarget : std::uint8_t { Panel, SelectedPiece, Field, LayerColumn, MenuBar };

struct GuideStep {
  GuideEvent awaits;
  GuideTarget target;
  // One short English sentence; all of them live in one table, to be translated together.
  std::string_view text;
};

std::span<const GuideStep> GuideStepTable();

// What the steps look at in the game, taken before and after each thing the player does.
struct GuideGlance {
  int selected = -1;
  // The selected piece's grid: its orientation, as long as it is off the Field.
  CellGrid selectedShape;
  int piecesOnField = 0;
  int layer = 0;
  int viewTurns = 0;
  std::optional<FloorCell> pointerCell;
  // A piece is selected, off the Field, and shown where the pointer is.
  bool previewing = false;
};

GuideGlance TakeGuideGlance(const Game& game, Platform& platform,
                            std::optional<FloorCell> pointerCell);

// Whether going from `before` to `after` did what `event` names. An Analyse command leaves no
// mark of its own in the game: the shell reports it as it runs.
bool Happened(GuideEvent event, const GuideGlance& before, const GuideGlance& after);

// The steps walked one by one: Notice moves on only on the current step's event.
class GuideTour {
 public:
  GuideTour() = default;
  // From the game as it stands when the guide opens.
  explicit GuideTour(const GuideGlance& start) : last_(start) {}
  bool Running() const { return step_ < StepCount(); }
  // 1-based, for "2 of 8".
  int StepNumber() const { return step_ + 1; }
  static int StepCount() { return static_cast<int>(GuideStepTable().size()); }
  const GuideStep& Current() const { return GuideStepTable()[step_]; }
  // True when `event` was awaited and the tour moved on (after the last step it has ended).
  bool Notice(GuideEvent event);
  // Notice of the current step's event, when going from `before` to `after` did it.
  bool Observe(const GuideGlance& before, const GuideGlance& after) {
    return Running() && Happened(Current().awaits, before, after) && Notice(Current().awaits);
  }
  // The game after something happened; only the player's own actions (`counts`) may move the
  // tour on, any other change becomes the new starting point. True when it moved on.
  bool Look(const GuideGlance& now, bool counts) {
    const bool moved = counts && Observe(last_, now);
    last_ = now;
    return moved;
  }
  const GuideGlance& LastSeen() const { return last_; }
  // Skip or Esc.
  void End() { step_ = StepCount(); }

 private:
  int step_ = 0;
  GuideGlance last_;
};

}  // namespace kelvane
