// SPDX-License-Identifier: GPL-3.0-or-later
// Which menu commands are enabled and checked, computed from the game and the panel selection.
#pragma once

#include <array>

#include "model/platform.h"

namespace kelvane {

struct Game;

struct CommandState {
  int commandId;
  bool enabled;
  bool checked;
};

// The state of every command whose availability depends on the game: the seven Hide piece
// commands, Save puzzle, the layer commands, the three Analyse commands, Remove piece, Undo, Redo
// and Restart puzzle. Every other command is always enabled and never checked.
struct CommandStates {
  std::array<CommandState, 20> items;

  bool IsEnabled(int commandId) const;
  bool IsChecked(int commandId) const;
};

// Pure: the states for `game` with panel item `panelSelection` selected (-1 or 0: no piece).
CommandStates ComputeCommandStates(const Game& game, int panelSelection);

// Computes the states for the current panel selection and hands them to the platform's menu.
void UpdateCommandStates(const Game& game, Platform& platform);

}  // namespace kelvane
