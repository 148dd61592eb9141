// SPDX-License-Identifier: GPL-3.0-or-later
// The core's menu table and orientation popups as JSON, for the page to build its menus from.
#pragma once

#include <string>
#include <string_view>

namespace kelvane {

// {"menu": [rows of the main menu table, in order], "orientation": {"130": [items], …}}. A menu
// row is {"kind", "id", "text", "keys", "checkable", "does"}: kind is "menu", "end", "command",
// "bar" or "separator"; text keeps its & and the shortcut after a tab; does says who runs the
// command: "core", "fullScreen", the name of a page dialog, help command or the guide
// ("newGame", "manual", "options", "guide"), or "analyse", "solutions" or "nextPuzzle" (the core
// with the page's search worker). Game > Exit is left out: a page cannot close itself. An
// orientation item is {"id", "label", "column"}, column true where a new column starts.
std::string MenusJson();

// `text` as a JSON string, quotes included.
std::string JsonQuoted(std::string_view text);

}  // namespace kelvane
