// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's dialog hooks, filled with this folder's dialogs.
#include "shell/dialogs/install_dialogs.h"

#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/help_window.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "shell/main_window.h"

namespace kelvane {

void InstallDialogs(MainWindow& window, Game& game, UrlOpener openUrl) {
  DialogHooks& hooks = window.Dialogs();
  Platform& platform = window.GamePlatform();
  hooks.newGame = [&window, &game, &platform] {
    NewGameDialog dialog(game, platform, &window);
    dialog.exec();
  };
  hooks.savePuzzle = [&window, &game, &platform] { RunSavePuzzleDialog(game, platform, &window); };
  // The manual opens in the game's own help window; only its web links go to the desktop.
  const UrlOpener showPage = [&window, openUrl](const QUrl& page) {
    ShowHelpPage(window, page, openUrl);
    return true;
  };
  hooks.options = [&window, &game, &platform, showPage] {
    OptionsDialog dialog(game, platform, &window, ChooseColourWithDialog, showPage);
    dialog.exec();
  };
  hooks.about = [&window, &game] {
    AboutDialog dialog(game, &window);
    dialog.exec();
  };
  hooks.showHelp = [showPage](int mapId) { ShowHelp(mapId, showPage); };
  hooks.homePage = [&game, &platform, openUrl] { OpenHomePage(game, platform, openUrl); };
}

}  // namespace kelvane
