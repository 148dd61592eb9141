// SPDX-License-Identifier: GPL-3.0-or-later
// Builds a menu bar by walking a menu table.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>
#include <map>
#include <span>

#include "model/menu_table.h"

namespace kelvane {

// Adds the table's menus, items and shortcuts to `bar`; choosing an item calls `run` with its id.
// Returns the action of every command, by id.
std::map<int, QAction*> BuildMenuBar(QMenuBar& bar, std::span<const MenuEntry> table,
                                     const std::function<void(int)>& run);

}  // namespace kelvane
