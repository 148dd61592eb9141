// SPDX-License-Identifier: GPL-3.0-or-later
// Connects the dialogs and help commands to the main window's menu commands.
#pragma once

#include "model/game.h"
#include "shell/dialogs/help_commands.h"

namespace kelvane {

class MainWindow;

// New game, Save puzzle, Options and About open their dialogs modally over `window`; User manual,
// Tutorial and the Options dialog's Help open the help window, whose web links, "Open in browser"
// and the Home page hand their addresses to `openUrl`.
void InstallDialogs(MainWindow& window, Game& game, UrlOpener openUrl = OpenWithDesktop);

}  // namespace kelvane
