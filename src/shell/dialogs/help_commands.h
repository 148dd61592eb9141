// SPDX-License-Identifier: GPL-3.0-or-later
// The help commands: the HTML manual in the working folder's help/, and the home-page shortcut.
#pragma once

#include <QString>
#include <QUrl>
#include <functional>
#include <optional>
#include <string_view>

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// Hands a URL to the desktop and says whether it took it; tests record it instead.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's handler for the URL's scheme (the browser), without waiting for it.
bool OpenWithDesktop(const QUrl& url);

// Help map ids: the manual's start page, the Options page, the tutorial.
inline constexpr int kHelpStart = 0;
inline constexpr int kHelpOptions = 1;
inline constexpr int kHelpTutorial = 2;

// The page of help/ a map id opens; an unknown id opens the start page.
QString HelpPageOf(int mapId);

// Opens that page of the working folder's help/ with `open` (the help window, in the game). A
// missing page opens nothing and reports nothing.
void ShowHelp(int mapId, const UrlOpener& open);

inline constexpr std::string_view kHomePageShortcut = "orrinsoft.url";

// The URL= of the [InternetShortcut] section, when it is a web address (http or https): the file
// lies in the working folder, and nothing else should be launched from it.
std::optional<QUrl> HomePageUrl(std::string_view shortcutText);

// Opens the home page that the working folder's shortcut names; a missing or unusable shortcut
// opens nothing and reports nothing. Where the desktop cannot open it, a message gives the
// address instead.
void OpenHomePage(const Game& game, Platform& platform, const UrlOpener& open);

}  // namespace kelvane
