// SPDX-License-Identifier: GPL-3.0-or-later
// DrawPanelItem: piece thumbnails, the cube count and orientation-menu pictures.
#include "render/panel_item.h"

#include <string>

#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/text_template.h"
#include "render/device_pixels.h"
#include "render/draw_cube_grid.h"

namespace kelvane {

namespace {

// The last orientation slot, shown for menu ids beyond the first 23 orientations.
constexpr int kLastOrientation = 23;
// Ids 32772…32836 stand for orientations 0…22; 32838 and anything else shows the last slot.
constexpr int kLastMappedOrientationCommand = 32836;

// `r` in device pixels.
void DrawThumbnail(Game& game, const Rect& r, const CellGrid& grid) {
  const Point centre{r.left + r.Width() / 2, r.top + r.Height() / 2};
  DrawCubeGrid(game, game.graphics.backBuffer, centre, grid, nullptr, Checkers::AsSet,
               ScaledGeometry(game.thumbnailGeometry, game.graphics.pixelRatio));
}

void DrawPieceItem(Game& game, Platform& platform, const PanelItem& item, const Rect& rect) {
  const int n = item.itemId;
  if (n >= 1 && n <= kPieceCount && !InCreateByCubesMode(game)) {
    const int k = n - 1;
    if (PieceOnField(game, PieceCellValue(k))) {
      CellGrid placed = game.pieceGrids[k];
      RecolourGrid(placed, game.hideFlags[k] != 0 ? kMarkedCell : kPlainCube);
      DrawThumbnail(game, rect, placed);
    } else {
      DrawThumbnail(game, rect, game.pieceGrids[k]);
    }
  } else if (n == 0 && InCreateByCubesMode(game) && game.graphics.drawText) {
    game.graphics.drawText(game.graphics.backBuffer, rect, CubeAmountText(game, platform),
                           item.selected ? game.settings.COLOR_BACK : game.settings.COLOR_INK);
  }
}

void DrawOrientationItem(Game& game, Platform& platform, const PanelItem& item, const Rect& rect) {
  const int n = SelectedPanelItem(platform);
  if (n < 1 || n > kPieceCount) {
    return;
  }
  const bool mapped =
      item.itemId >= kFirstOrientationCommand && item.itemId <= kLastMappedOrientationCommand;
  const int o = mapped ? OrientationIndexFromCommand(item.itemId) : kLastOrientation;
  DrawThumbnail(game, rect, OrientationSlot(game, n - 1, o));
}

}  // namespace

std::string CubeAmountText(const Game& game, const Wording& words) {
  return words.Word(PLAYER_TEXT("Amount: %1"), {std::to_string(CountCells(game.field))});
}

void DrawPanelItem(Game& game, Platform& platform, const PanelItem& item,
                   const CopyToScreen& copy) {
  const Rect rect = ScaledRect(item.rect, game.graphics.pixelRatio);
  const Colour fill = item.selected ? game.settings.COLOR_INK : game.settings.COLOR_BACK;
  FillRect(game.graphics.backBuffer, rect, PixelFromColour(fill));
  if (item.controlId == kPiecePanelId) {
    DrawPieceItem(game, platform, item, rect);
  } else {
    DrawOrientationItem(game, platform, item, rect);
  }
  copy(game.graphics.backBuffer, std::span<const Rect>(&rect, 1));
}

}  // namespace kelvane
