// SPDX-License-Identifier: GPL-3.0-or-later
// The start of a game whose client area is composed whole by the core: the web page, and the
// native programs that must show exactly what it shows.
#pragma once

#include "model/game.h"
#include "model/platform.h"
#include "render/layout.h"

namespace kelvane {

// Reads the player's files from the working folder and lays out the fresh game.
void LoadPlayerFiles(Game& game);

// Creates the graphics for a screen of the given size (never less than room for the largest
// field), loads the skin, sets up the panel and continues the kept game.
void StartComposedGame(Game& game, Platform& platform, Size screen, int pixelRatio);

}  // namespace kelvane
