// SPDX-License-Identifier: GPL-3.0-or-later
// The extra options file, "Extras.ini": the player's options that the settings file does not hold.
#pragma once

#include <string>
#include <string_view>

#include "model/extra_options.h"

namespace kelvane {

struct Game;

inline constexpr std::string_view kExtraOptionsFileName = "Extras.ini";
inline constexpr std::string_view kExtraOptionsSection = "Options";

// "[Options]" and one "KEY = 0|1" line per option, every line ended by CR LF; then the lines of
// `kept`'s [Options] section whose keys this build does not know, so that a mark written by a
// newer build, or another part of this one, survives the rewrite.
std::string FormatExtraOptionsText(const ExtraOptions& options, std::string_view kept = {});

// Each option on when its value is a non-zero number; missing or unreadable values keep the
// default, so a damaged file costs the player nothing but those options.
ExtraOptions ParseExtraOptionsText(std::string_view text);

// Reads the file, relative to the current directory, into game.extras; a missing file gives the
// defaults.
void LoadExtraOptions(Game& game);

// The file's next text: game.extras, with the unknown keys of the file as it is now.
std::string ExtraOptionsFileText(const Game& game);

// `text` of the file with "KEY = value" right under its section line: a reader takes a key's
// first line, so the line wins over any other of the key below, which goes at the next rewrite.
std::string WithKeyFirst(std::string text, std::string_view key, std::string_view value);

// Rewrites the file from game.extras, keeping its unknown keys; a failure is not reported, as for
// the settings file.
void SaveExtraOptions(const Game& game);

}  // namespace kelvane
