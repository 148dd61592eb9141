// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's lines, the same in every shell.
#pragma once

#include <string>
#include <string_view>

#include "model/game.h"
#include "model/text_template.h"

namespace kelvane {

inline constexpr std::string_view kAboutSecondLine =
    PLAYER_TEXT("Seven pieces, twenty-seven cubes.");
// The copyright notice; the licence text is in the manual and the LICENSE file.
inline constexpr std::string_view kAboutThirdLine = "© 2026 the Kelvane developers, GPL 3+";

// This build's version number ("1.2.0").
std::string_view VersionNumber();

// ProductName, then " version ", then the version number: "Kelvane version 1.2.0".
std::string AboutVersionLine(const Game& game, const Wording& words = EnglishWording());

}  // namespace kelvane
