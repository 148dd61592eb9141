// SPDX-License-Identifier: GPL-3.0-or-later
// The page's Options dialog: its lists and values as JSON, the sample picture, and OK.
#pragma once

#include <array>
#include <string>

#include "model/game.h"
#include "model/platform.h"
#include "model/settings.h"

namespace kelvane {

// The options in the order the page hands them over, with the index of its language list last.
enum PageOption {
  kPageBackground,
  kPageInk,
  kPageCheckers,
  kPageHelpers,
  kPageSkin,
  kPageScale,
  kPageCanStillBeDone,
  kPagePieceNumbers,
  kPageClockAndMoves,
  kPageAnimation,
  kPageLanguage,
  kPageOptionCount
};
using PageOptions = std::array<int, kPageOptionCount>;

// {"skins": [names], "scales": [numbers], "colours": [the custom colours], "languages": [names],
// "options": [PageOptions]}, the options the Game's (CurrentOptions) or, with `defaults`, Set to
// default's. A language the page does not speak shows as the system's.
std::string OptionsJson(const Game& game, bool defaults);

// The built-in picture (1…7) the page must hand over before `skinIndex` can draw, or 0.
int MissingSkinPicture(int skinIndex);

// Composes the sample of skin `skinIndex` on `background`, with or without `checkers`, at
// `width` × `height` logical pixels, and hands the device pixels to the page.
void PaintOptionsSample(const Game& game, int skinIndex, Colour background, bool checkers,
                        int width, int height);

// The page's values as the dialog's OptionsChoice, beside what the dialog has no control for.
void ApplyPageOptions(Game& game, Platform& platform, const PageOptions& options);

}  // namespace kelvane
