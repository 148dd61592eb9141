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
#include "storage/help_pages.h"

namespace kelvane {

// Hands a URL to the desktop and says whether it took it; tests record it instead.
using UrlOpener = std::function<bool(const QUrl&)>;

// The desktop's handler for the URL's scheme (the browser), without waiting for it.
bool OpenWithDesktop(const QUrl& url);

// HelpPageOf as a QString.
QString HelpPageName(int mapId);

// Opens that page of the working folder's help/ with `open` (the help window, in the game). A
// missing page opens nothing and reports nothing.
void ShowHelp(int mapId, const UrlOpener& open);

// HomePageAddress as a URL, when it is a valid one.
std::optional<QUrl> HomePageUrl(std::string_view shortcutText);

// Opens the home page that the working folder's shortcut names; a missing or unusable shortcut
// opens nothing and reports nothing. Where the desktop cannot open it, a message gives the
// address instead.
void OpenHomePage(const Game& game, Platform& platform, const UrlOpener& open);

}  // namespace kelvane
