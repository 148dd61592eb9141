// SPDX-License-Identifier: GPL-3.0-or-later
// Dispatch of the menu commands that call the core directly.
#include "render/game_commands.h"

#include <algorithm>

#include "creation/create_puzzle.h"
#include "model/command_ids.h"
#include "model/command_states.h"
#include "model/field_input.h"
#include "model/layers.h"
#include "model/move_history.h"
#include "model/placement.h"
#include "model/view_turn.h"

namespace kelvane {

namespace {

// The Hide piece command's piece number (1…7), or 0 for any other command.
int HiddenPieceOf(int commandId) {
  const auto found = std::ranges::find(kCmdHidePiece, commandId);
  return found == kCmdHidePiece.end() ? 0 : static_cast<int>(found - kCmdHidePiece.begin()) + 1;
}

bool RunUnlisted(Game& game, Platform& platform, int commandId) {
  if (const int piece = HiddenPieceOf(commandId); piece != 0) {
    HidePiece(game, platform, piece);
    return true;
  }
  if (IsOrientationCommand(commandId)) {
    ApplyOrientationCommand(game, platform, commandId);
    return true;
  }
  return false;
}

}  // namespace

bool IsOrientationCommand(int commandId) {
  return std::ranges::find(kOrientationCommandIds, commandId) != kOrientationCommandIds.end();
}

bool IsGuideAction(int commandId) {
  return IsOrientationCommand(commandId) || commandId == kCmdLayerUp ||
         commandId == kCmdLayerDown || commandId == kCmdRotatePlus90 ||
         commandId == kCmdRotateMinus90;
}

bool IsAnalyseCommand(int commandId) {
  return commandId == kCmdTestPuzzle || commandId == kCmdHintOnePiece ||
         commandId == kCmdShowAllPieces;
}

bool RunGameCommand(Game& game, Platform& platform, int commandId) {
  switch (commandId) {
    case kCmdCreateByCubes:
      CreatePuzzle(game, platform, CreateMode::ByCubes);
      break;
    case kCmdCreateByPieces:
      CreatePuzzle(game, platform, CreateMode::ByPieces);
      break;
    case kCmdImportFromHtm:
      CreatePuzzle(game, platform, CreateMode::Import);
      break;
    case kCmdLayerUp:
      ChangeLayer(game, platform, 1);
      break;
    case kCmdLayerDown:
      ChangeLayer(game, platform, -1);
      break;
    case kCmdRotatePlus90:
      RotateView(game, platform, +1);
      break;
    case kCmdRotateMinus90:
      RotateView(game, platform, -1);
      break;
    case kCmdRemovePiece:
      RemoveSelectedPiece(game, platform);
      break;
    case kCmdUndo:
      Undo(game, platform);
      break;
    case kCmdRedo:
      Redo(game, platform);
      break;
    case kCmdRestartPuzzle:
      RestartPuzzle(game, platform);
      break;
    case kCmdShowUpLayer:
      ShowUpLayer(game, platform);
      break;
    case kCmdHideDownLayer:
      HideDownLayer(game, platform);
      break;
    default:
      if (!RunUnlisted(game, platform, commandId)) {
        return false;
      }
  }
  UpdateCommandStates(game, platform);
  return true;
}

}  // namespace kelvane
