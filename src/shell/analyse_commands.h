// SPDX-License-Identifier: GPL-3.0-or-later
// Test puzzle, Hint and Show all from the menu, with their search in a worker.
#pragma once

#include "analysis/analyse.h"

class QWidget;

namespace kelvane {

struct Game;
class Platform;

// AnalysePuzzle(game, platform, mode), its search run on a copy in a worker while `owner` keeps
// painting, with the progress window once it takes longer than a moment. Cancel there returns to
// the game as it was, with no message.
void RunAnalyseCommand(Game& game, Platform& platform, QWidget* owner, AnalyseMode mode);

}  // namespace kelvane
