// SPDX-License-Identifier: GPL-3.0-or-later
// The field and the piece panel composed into one client-area picture.
#include "render/client_frame.h"

#include "model/command_ids.h"
#include "render/layout.h"
#include "render/paint_field.h"
#include "render/panel_item.h"

namespace kelvane {

std::optional<int> PanelItemAt(const Game& game, Point client) {
  for (int item = 0; item < kPanelItemCount; ++item) {
    const Rect r = PanelItemClientRect(game, item);
    if (client.x >= r.left && client.x < r.right && client.y >= r.top && client.y < r.bottom) {
      return item;
    }
  }
  return std::nullopt;
}

void PaintClientArea(Game& game, Platform& platform, const CopyToClient& copy) {
  PaintField(game, platform, [&copy](const Surface& backBuffer, std::span<const Rect> areas) {
    for (const Rect& area : areas) {
      copy(backBuffer, area, {area.left, area.top});
    }
  });
  const Rect panel = PanelRect(game);
  const int ratio = game.graphics.pixelRatio;
  const int selection = platform.PanelSelection();
  for (int item = 0; item < kPanelItemCount; ++item) {
    const Rect rect = PanelItemRect(game, item);
    DrawPanelItem(
        game, platform, {kPiecePanelId, item, rect, item == selection},
        [&](const Surface& backBuffer, std::span<const Rect> areas) {
          for (const Rect& area : areas) {
            copy(backBuffer, area, {panel.left * ratio + area.left, panel.top * ratio + area.top});
          }
        });
  }
}

}  // namespace kelvane
