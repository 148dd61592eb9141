// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's steps and how each one sees that the player has done it.
#include "model/guide_steps.h"

#include <array>

#include "model/game.h"
#include "model/placement.h"
#include "model/text_template.h"

namespace kelvane {
namespace {

using enum GuideEvent;
using enum GuideTarget;

constexpr std::array<GuideStep, 8> kSteps{{
    {PieceChosen, Panel,
     PLAYER_TEXT("Choose a piece in the panel: click it, or use the arrow keys.")},
    {PieceTurned, SelectedPiece,
     PLAYER_TEXT("Turn it: right-click for its turns, or press X, Y or Z.")},
    {PreviewShown, Field,
     PLAYER_TEXT(
         "Move over the field: the piece shows in colour where it fits, plain grey where not.")},
    {PieceLaid, Field, PLAYER_TEXT("Click to lay it where it shows in colour.")},
    {PiecePickedUp, Field, PLAYER_TEXT("Click a laid piece to pick it up again.")},
    {LayerChanged, LayerColumn,
     PLAYER_TEXT("Change the layer with the wheel, or Ctrl+Up and Ctrl+Down.")},
    {ViewTurned, Field, PLAYER_TEXT("Turn the view with Ctrl+Left and Ctrl+Right.")},
    {AnalyseUsed, MenuBar,
     PLAYER_TEXT("Stuck? The Analyse menu tests the puzzle or shows a hint.")},
}};

bool IsPiece(int item) {
  return item >= 1 && item <= kPieceCount;
}

}  // namespace

std::span<const GuideStep> GuideStepTable() {
  return kSteps;
}

GuideGlance TakeGuideGlance(const Game& game, Platform& platform,
                            std::optional<FloorCell> pointerCell) {
  GuideGlance glance;
  glance.selected = SelectedPanelItem(platform);
  const bool offField =
      IsPiece(glance.selected) && !PieceOnField(game, PieceCellValue(glance.selected - 1));
  if (offField) {
    glance.selectedShape = game.pieceGrids[glance.selected - 1];
  }
  for (int piece = 0; piece < kPieceCount; ++piece) {
    glance.piecesOnField += PieceOnField(game, PieceCellValue(piece)) ? 1 : 0;
  }
  glance.layer = game.currentLayer;
  glance.viewTurns = game.history.viewTurns;
  glance.pointerCell = pointerCell;
  glance.previewing = offField && pointerCell.has_value() && game.createMode == 0;
  return glance;
}

bool Happened(GuideEvent event, const GuideGlance& before, const GuideGlance& after) {
  switch (event) {
    case PieceChosen:
      return IsPiece(after.selected) && after.selected != before.selected;
    case PieceTurned:
      return IsPiece(after.selected) && after.selected == before.selected &&
             !GridEquals(after.selectedShape, before.selectedShape);
    case PreviewShown:
      return after.previewing && after.pointerCell != before.pointerCell;
    case PieceLaid:
      return after.piecesOnField > before.piecesOnField;
    case PiecePickedUp:
      return after.piecesOnField < before.piecesOnField;
    case LayerChanged:
      return after.layer != before.layer;
    case ViewTurned:
      return after.viewTurns != before.viewTurns;
    case AnalyseUsed:
      return false;
  }
  return false;
}

bool GuideTour::Notice(GuideEvent event) {
  if (!Running() || Current().awaits != event) {
    return false;
  }
  ++step_;
  return true;
}

}  // namespace kelvane
