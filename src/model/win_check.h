// SPDX-License-Identifier: GPL-3.0-or-later
// The congratulation when the seventh piece is laid.
#pragma once

#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

struct Game;

inline constexpr const char* kWinMessage = PLAYER_TEXT("Congratulations! The game is won.");
inline constexpr const char* kVictorySound = "victory.wav";

// Run after every successful placement. In play, with all seven pieces on the Field and the
// win-announcement flag set: clears the hide flags, repaints, shows the congratulation, then
// starts the victory sound and clears the flag, so each puzzle is congratulated at most once.
// With the Animation option the congratulation and the sound wait for the figure to light up.
void RunWinCheck(Game& game, Platform& platform);

// The congratulation, then the victory sound.
void AnnounceWin(Game& game, Platform& platform);

}  // namespace kelvane
