// SPDX-License-Identifier: GPL-3.0-or-later
// The three orientation popups as data: which one a piece uses, and their items and columns.
#pragma once

#include <span>

namespace kelvane {

struct OrientationMenuItem {
  int commandId;
  const char* label;  // "1" … "24": item n shows orientation index n-1
  bool startsColumn;  // a new column with a divider line starts at this item
};

struct OrientationMenu {
  int menuId;  // 130, 131 or 132
  std::span<const OrientationMenuItem> items;
};

// The menu whose item count equals an orientation count: 8 gives 130, 12 gives 131, any other
// count 132.
int OrientationMenuIdForCount(int orientationCount);

// The layout of menu 130 (one column of 8), 131 (two columns of 6) or 132 (three columns of 8);
// any other id gives menu 132.
OrientationMenu OrientationMenuLayout(int menuId);

}  // namespace kelvane
