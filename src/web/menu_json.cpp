// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the menu table and the orientation popups as JSON.
#include "web/menu_json.h"

#include <array>
#include <string_view>
#include <utility>

#include "model/command_ids.h"
#include "model/menu_table.h"
#include "model/orientation_menus.h"
#include "render/game_commands.h"

namespace kelvane {

namespace {

// The commands the page answers with a dialog, a help page or the guide of its own, by the name
// its script knows.
constexpr std::array<std::pair<int, const char*>, 7> kPageDialogs{{
    {kCmdNew, "newGame"},
    {kCmdSavePuzzle, "savePuzzle"},
    {kCmdUserManual, "manual"},
    {kCmdTutorial, "tutorial"},
    {kCmdAbout, "about"},
    {kCmdHomePage, "homePage"},
    {kCmdGuidedFirstPuzzle, "guide"},
}};

const char* KindName(MenuEntryKind kind) {
  switch (kind) {
    case MenuEntryKind::Menu:
      return "menu";
    case MenuEntryKind::EndMenu:
      return "end";
    case MenuEntryKind::Command:
      return "command";
    case MenuEntryKind::BarCommand:
      return "bar";
    case MenuEntryKind::Separator:
      return "separator";
  }
  return "separator";
}

const char* WhoRuns(int id) {
  if (id == kCmdFullScreen) {
    return "fullScreen";
  }
  for (const auto& [command, dialog] : kPageDialogs) {
    if (id == command) {
      return dialog;
    }
  }
  if (IsAnalyseCommand(id)) {
    return "analyse";
  }
  if (id == kCmdNextPuzzle) {
    return "nextPuzzle";
  }
  if (id == kCmdNextSolution || id == kCmdPreviousSolution || id == kCmdLeaveSolutions) {
    return "solutions";
  }
  if (id == kCmdOptions) {
    return "options";
  }
  return "core";
}

std::string EntryJson(const MenuEntry& entry) {
  std::string keys;
  for (const char* key : entry.keys) {
    if (key != nullptr) {
      keys += (keys.empty() ? "" : ",") + JsonQuoted(key);
    }
  }
  return "{\"kind\":" + JsonQuoted(KindName(entry.kind)) + ",\"id\":" + std::to_string(entry.id) +
         ",\"text\":" + JsonQuoted(entry.text) + ",\"keys\":[" + keys +
         "],\"checkable\":" + (entry.checkable ? "true" : "false") +
         ",\"does\":" + JsonQuoted(WhoRuns(entry.id)) + "}";
}

std::string OrientationMenuJson(int menuId) {
  std::string items;
  for (const OrientationMenuItem& item : OrientationMenuLayout(menuId).items) {
    items += (items.empty() ? "{\"id\":" : ",{\"id\":") + std::to_string(item.commandId) +
             ",\"label\":" + JsonQuoted(item.label) +
             ",\"column\":" + (item.startsColumn ? "true}" : "false}");
  }
  return JsonQuoted(std::to_string(menuId)) + ":[" + items + "]";
}

}  // namespace

std::string JsonQuoted(std::string_view text) {
  std::string out = "\"";
  for (const char c : text) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += c;
    } else if (c == '\t') {
      out += "\\t";
    } else if (c == '\n') {
      out += "\\n";
    } else if (static_cast<unsigned char>(c) < 0x20) {
      out += ' ';
    } else {
      out += c;
    }
  }
  return out + '"';
}

std::string MenusJson() {
  std::string menu;
  // The page drops the separator that Exit leaves doubled.
  for (const MenuEntry& entry : MainMenuTable()) {
    if (entry.id != kCmdExit) {
      menu += (menu.empty() ? "" : ",") + EntryJson(entry);
    }
  }
  return "{\"menu\":[" + menu + "],\"orientation\":{" + OrientationMenuJson(kOrientationMenu8) +
         "," + OrientationMenuJson(kOrientationMenu12) + "," +
         OrientationMenuJson(kOrientationMenu24) + "}}";
}

}  // namespace kelvane
