// SPDX-License-Identifier: GPL-3.0-or-later
// The enabled and checked state of the menu commands.
#include "model/command_states.h"

#include <algorithm>

#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/game.h"
#include "model/move_history.h"
#include "model/placement.h"

namespace kelvane {

namespace {

const CommandState* Find(const CommandStates& states, int commandId) {
  const auto it =
      std::find_if(states.items.begin(), states.items.end(),
                   [commandId](const CommandState& s) { return s.commandId == commandId; });
  return it == states.items.end() ? nullptr : &*it;
}

}  // namespace

bool CommandStates::IsEnabled(int commandId) const {
  const CommandState* state = Find(*this, commandId);
  return state == nullptr || state->enabled;
}

bool CommandStates::IsChecked(int commandId) const {
  const CommandState* state = Find(*this, commandId);
  return state != nullptr && state->checked;
}

CommandStates ComputeCommandStates(const Game& game, int panelSelection) {
  std::array<bool, kPieceCount> onField{};
  for (int k = 0; k < kPieceCount; ++k) {
    onField[k] = PieceOnField(game, PieceCellValue(k));
  }
  const bool allPlaced = std::all_of(onField.begin(), onField.end(), [](bool b) { return b; });
  const bool creating = game.createMode == 1;
  const int topLayer = GridExtents(game.figure).z - 1;
  const int layers = topLayer + 1;
  const bool analysable = !creating && !allPlaced;
  const bool selectedOnField =
      panelSelection >= 1 && panelSelection <= kPieceCount && onField[panelSelection - 1];

  CommandStates states{};
  std::size_t n = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    states.items[n++] = {kCmdHidePiece[k], onField[k], game.hideFlags[k] != 0};
  }
  states.items[n++] = {kCmdSavePuzzle, creating, false};
  states.items[n++] = {kCmdLayerDown, game.currentLayer != 0, false};
  states.items[n++] = {kCmdLayerUp, game.currentLayer != topLayer, false};
  states.items[n++] = {kCmdShowUpLayer, game.shownLayers != layers && !creating, false};
  states.items[n++] = {kCmdHideDownLayer, game.shownLayers != 1 && !creating, false};
  states.items[n++] = {kCmdTestPuzzle, analysable, false};
  states.items[n++] = {kCmdHintOnePiece, analysable, false};
  states.items[n++] = {kCmdShowAllPieces, analysable, false};
  states.items[n++] = {kCmdRemovePiece, !InCreateByCubesMode(game) && selectedOnField, false};
  states.items[n++] = {kCmdUndo, CanUndo(game), false};
  states.items[n++] = {kCmdRedo, CanRedo(game), false};
  states.items[n++] = {kCmdRestartPuzzle, GridHasCells(game.field), false};
  return states;
}

void UpdateCommandStates(const Game& game, Platform& platform) {
  platform.ApplyCommandStates(ComputeCommandStates(game, SelectedPanelItem(platform)));
}

}  // namespace kelvane
