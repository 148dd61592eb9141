// SPDX-License-Identifier: GPL-3.0-or-later
// Owner-drawn items: the piece panel's eight items and the orientation menus' items.
#pragma once

#include <string>

#include "model/game.h"
#include "model/platform.h"
#include "render/frame_copy.h"

namespace kelvane {

// One item to draw, as the toolkit describes it. `controlId` is the piece panel's id (32771) for
// its items, where `itemId` is the item's index 0…7; anything else is an orientation-menu item,
// where `itemId` is the item's command id.
struct PanelItem {
  int controlId = 0;
  int itemId = 0;
  Rect rect;  // in the item's own logical coordinates; the BackBuffer's times the pixel ratio
  bool selected = false;
};

// Composes the item in the BackBuffer inside `item.rect` — ink when selected, else background,
// then the piece's thumbnail (marked cells while hidden, plain cubes while on the Field), the
// "Amount: %d" count of item 0 while building by cubes, or the orientation the menu item stands
// for of the piece selected in the panel — and hands the rectangle, at device pixels, to `copy`.
void DrawPanelItem(Game& game, Platform& platform, const PanelItem& item, const CopyToScreen& copy);

// Item 0's count while building by cubes, "Amount: 27"; also what a shell that cannot draw text
// into the BackBuffer shows over the item.
std::string CubeAmountText(const Game& game, const Wording& words);

}  // namespace kelvane
