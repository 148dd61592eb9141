// SPDX-License-Identifier: GPL-3.0-or-later
// The commands that open dialogs or help, as hooks the dialogs install into the main window.
#pragma once

#include <functional>

namespace kelvane {

// An empty hook leaves its command doing nothing beyond refreshing the menu states.
struct DialogHooks {
  std::function<void()> newGame;
  std::function<void()> savePuzzle;
  std::function<void()> options;
  std::function<void()> about;
  // Opens the help at a topic: 0 the user manual, 2 the tutorial.
  std::function<void(int mapId)> showHelp;
  std::function<void()> homePage;
};

}  // namespace kelvane
