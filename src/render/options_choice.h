// SPDX-License-Identifier: GPL-3.0-or-later
// The options the Options dialog edits, as one plain value, and what its OK and Apply do.
#pragma once

#include <array>
#include <string>

#include "model/extra_options.h"
#include "model/game.h"
#include "model/platform.h"
#include "model/settings.h"

namespace kelvane {

// The colour choosers' sixteen custom colours: the rainbow in twelve steps, then four greys.
inline constexpr std::array<Colour, 16> kCustomColours{
    255,      33023,    65535,    65408,   65280,   8453888, 16776960, 16744448,
    16711680, 16711808, 16711935, 8388863, 6579300, 9868950, 11513775, 13158600};

struct OptionsChoice {
  // The six display options; PUZZLE is not the dialog's.
  Settings settings;
  // The options kept beside the Settings; those without a control pass through.
  ExtraOptions extras;
  // The language as the extra options file holds it: empty for the system's.
  std::string language;
};

// The options as the dialog opens: the Game's, with the language read from the file in the
// current directory.
OptionsChoice CurrentOptions(const Game& game);

// Set to default: the six defaults, the assists' defaults and the system's language; New game's
// order stays the Game's, as the dialog has no control for it.
OptionsChoice DefaultOptions(const Game& game);

// OK and Apply, even when nothing changed: stores `choice` in the Game (a SKIN_INDEX outside the
// skins as -1, a SCALE outside 2…8 as 4, colours without a top byte, switches as 0 or 1), keeps a
// changed language in its file at once, applies scale and skin and repaints the main window. A
// language code of other than letters, digits, '-' and '_' is not kept.
void ApplyOptions(Game& game, Platform& platform, const OptionsChoice& choice);

}  // namespace kelvane
