// SPDX-License-Identifier: GPL-3.0-or-later
// The main menu bar declared once as data: every item, separator, submenu and shortcut, for
// every shell to build its own menus from.
#pragma once

#include <array>
#include <span>

// Marks a menu text for the translators; the shells translate it in the context "Menu".
#define MENU_TEXT(text) text

namespace kelvane {

enum class MenuEntryKind {
  Menu,        // opens a menu on the bar, or a submenu inside the open menu
  EndMenu,     // closes the innermost open menu
  Command,     // an item of the open menu
  BarCommand,  // a command on the menu bar itself
  Separator,
};

struct MenuEntry {
  MenuEntryKind kind;
  int id = 0;
  // With & before the mnemonic and, after a tab, the shortcut as the menu shows it.
  const char* text = "";
  // The keys that run the command, in portable key-sequence text; empty entries are unused.
  std::array<const char*, 2> keys{};
  bool checkable = false;
};

// The menu bar, walked in order.
std::span<const MenuEntry> MainMenuTable();

}  // namespace kelvane
