// SPDX-License-Identifier: GPL-3.0-or-later
// The settings file, ProductName + ".ini": the options and the last puzzle chosen.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "model/game.h"
#include "model/settings.h"

namespace kelvane {

// Puts the six option defaults into `settings`; PUZZLE is not touched.
void SetDefaultSettings(Settings& settings);

// `scale` when the game draws it (2…8), else the default 4.
std::int32_t KnownScale(std::int32_t scale);

// The file text: "[LAST]", PUZZLE, an empty line, "[OPTIONS]", the six options in key order and
// a closing empty line, every line ended by CR LF.
std::string FormatSettingsText(const Settings& settings);

// Reads every setting from a settings text, each missing key taking its default; a SCALE
// outside 2…8 becomes 4, and PUZZLE is cut to its buffer.
void ParseSettingsText(std::string_view text, Settings& settings);

// ProductName + ".ini", relative to the current directory.
std::string SettingsFileName(const Game& game);

// Reads the settings file into game.settings; a missing file gives every default.
void LoadSettings(Game& game);

// Rewrites the settings file from game.settings; a failure is not reported.
void SaveSettings(const Game& game);

}  // namespace kelvane
