// SPDX-License-Identifier: GPL-3.0-or-later
// The extra options file, "Extras.ini": the player's options that the settings file does not hold.
#pragma once

#include <string>
#include <string_view>

#include "model/extra_options.h"

namespace kelvane {

struct Game;

inline constexpr std::string_view kExtraOptionsFileName = "Extras.ini";

// "[Options]" and one "KEY = 0|1" line per option, every line ended by CR LF.
std::string FormatExtraOptionsText(const ExtraOptions& options);

// Each option on when its value is a non-zero number; missing or unreadable values keep the
// default, so a damaged file costs the player nothing but those options.
ExtraOptions ParseExtraOptionsText(std::string_view text);

// Reads the file, relative to the current directory, into game.extras; a missing file gives the
// defaults.
void LoadExtraOptions(Game& game);

// Rewrites the file from game.extras; a failure is not reported, as for the settings file.
void SaveExtraOptions(const Game& game);

}  // namespace kelvane
