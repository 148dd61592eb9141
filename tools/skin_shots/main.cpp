// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the default figure with every piece laid (Show all pieces) in each skin at scales 2, 4
// and 8, as the game composes its frame: one contact sheet per scale, the skins side by side.
// Scales 4 and 8 show the checkers, so both shades of every colour can be judged.
#include <QDir>
#include <QImage>
#include <QPainter>
#include <cstdio>
#include <memory>

#include "analysis/analyse.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/headless_platform.h"
#include "model/platform.h"
#include "render/graphics_setup.h"
#include "render/layout.h"
#include "render/paint_field.h"
#include "render/skins.h"
#include "storage/settings_file.h"

namespace kelvane {
namespace {

// Room for the default figure's window at scale 8.
constexpr int kRoomyScreenWidth = 2400, kRoomyScreenHeight = 1400;

// The field view of one skin at one scale: the pieces, the floor plate and the layer columns.
QImage SkinInPlay(int skinIndex, int scale) {
  auto game = std::make_unique<Game>();
  SetDefaultSettings(game->settings);
  InitialiseGame(*game);
  game->settings.SKIN_INDEX = skinIndex;
  game->settings.SCALE = scale;
  game->settings.SHOW_CHECKERS = scale > 2 ? 1 : 0;
  // Says yes to "Show all pieces".
  HeadlessPlatform platform;
  platform.questionAnswer = MessageAnswer::Yes;
  platform.selection = 0;
  CreateGraphics(*game, kRoomyScreenWidth, kRoomyScreenHeight);
  ApplyScaleAndSkin(*game, platform);
  PlaceContent(*game, RequiredClientSize(*game));
  AnalysePuzzle(*game, platform, AnalyseMode::ShowAll);
  PaintField(*game, platform, [](const Surface&, std::span<const Rect>) {});
  const Surface& frame = game->graphics.backBuffer;
  const QImage whole(reinterpret_cast<const uchar*>(frame.pixels.data()), frame.width, frame.height,
                     frame.width * 4, QImage::Format_RGB32);
  const Rect view = LayOutClient(*game).fieldView;
  return whole.copy(view.left, view.top, view.Width(), view.Height());
}

// The skins in order, left to right and top to bottom; one row at the smallest scale.
bool SaveContactSheet(int scale, const QString& folder) {
  const int columns = scale == 2 ? kSkinCount : 4, rows = (kSkinCount + columns - 1) / columns;
  QImage sheet;
  for (int skin = 0; skin < kSkinCount; ++skin) {
    const QImage shot = SkinInPlay(skin, scale);
    if (sheet.isNull()) {
      sheet = QImage(shot.width() * columns, shot.height() * rows, QImage::Format_RGB32);
      sheet.fill(shot.pixel(0, 0));
    }
    QPainter(&sheet).drawImage(shot.width() * (skin % columns), shot.height() * (skin / columns),
                               shot);
  }
  const QString path = QString("%1/skins-scale-%2.png").arg(folder).arg(scale);
  if (!sheet.save(path)) {
    std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace
}  // namespace kelvane

int main(int argc, char** argv) {
  if (argc != 2 || !QDir().mkpath(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
    return 2;
  }
  bool ok = true;
  for (int scale : {2, 4, 8}) {
    ok &= kelvane::SaveContactSheet(scale, QString::fromLocal8Bit(argv[1]));
  }
  return ok ? 0 : 1;
}
