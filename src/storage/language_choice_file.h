// SPDX-License-Identifier: GPL-3.0-or-later
// The interface language chosen in Options, kept in the extra options file as "LANGUAGE".
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

struct Game;

inline constexpr std::string_view kLanguageKey = "LANGUAGE";

// The code the player chose ("de"), read from the file in the current directory; empty when the
// game is to speak the system's language.
std::string ChosenLanguage();

// Keeps `code` (empty for the system's) in the file at once, beside game.extras.
void KeepChosenLanguage(const Game& game, std::string_view code);

}  // namespace kelvane
