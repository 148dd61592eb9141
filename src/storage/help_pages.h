// SPDX-License-Identifier: GPL-3.0-or-later
// Where the help commands lead: the pages of the manual in help/, and the home page that the
// shortcut file of the working folder names.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kelvane {

// Help map ids: the manual's start page, the Options page, the tutorial.
inline constexpr int kHelpStart = 0;
inline constexpr int kHelpOptions = 1;
inline constexpr int kHelpTutorial = 2;

// The page of help/ a map id opens ("tutorial.html"); an unknown id opens the start page.
std::string_view HelpPageOf(int mapId);

inline constexpr std::string_view kHomePageShortcut = "orrinsoft.url";

// The URL= of the [InternetShortcut] section, when it is a web address (http:// or https://,
// then a host): the file lies in the working folder, and nothing else should be launched from it.
std::optional<std::string> HomePageAddress(std::string_view shortcutText);

}  // namespace kelvane
