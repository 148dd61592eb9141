// SPDX-License-Identifier: GPL-3.0-or-later
// The menu commands that the core runs by itself, the same in every shell.
#pragma once

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// True for the 24 orientation-menu items.
bool IsOrientationCommand(int commandId);

// The commands that are one of the guide's steps: turning a piece, the layer and the view.
bool IsGuideAction(int commandId);

// Test puzzle, Hint one piece and Show all pieces.
bool IsAnalyseCommand(int commandId);

// Runs `commandId` when it needs nothing of a shell — the create modes, the layer, view and
// Hide piece commands, Remove piece, the move history, the orientation items — and then updates
// the command states. False, with nothing done, for every other id: dialogs, help, the analyses,
// the solution browser, the next puzzle, the guide, full screen and Exit are the shell's.
bool RunGameCommand(Game& game, Platform& platform, int commandId);

}  // namespace kelvane
