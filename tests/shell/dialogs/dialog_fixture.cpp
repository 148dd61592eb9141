// SPDX-License-Identifier: GPL-3.0-or-later
// The dialogs' test fixture: the Game set up as the main window sets it up.
#include "dialog_fixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "model/game_init.h"
#include "render/graphics_setup.h"
#include "storage/settings_file.h"

namespace kelvane::testing {

DialogFixture::DialogFixture()
    : previousFolder_(QDir::currentPath()), game_(std::make_unique<Game>()) {
  QDir::setCurrent(folder_.path());
  SetDefaultSettings(game_->settings);
  InitialiseGame(*game_);
  CreateGraphics(*game_, 640, 480);
  ApplyScaleAndSkin(*game_, platform);
  BuildSpriteMask(*game_);
  platform = FakePlatform{};
}

DialogFixture::~DialogFixture() {
  QDir::setCurrent(previousFolder_);
}

void DialogFixture::WriteFile(const QString& path, std::string_view text) const {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly)) {
    qFatal("cannot write %s", qPrintable(path));
  }
  file.write(text.data(), static_cast<qint64>(text.size()));
}

QString DialogFixture::ReadFile(const QString& path) const {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

std::string_view CubePuzzleText() {
  return "[SIZE]\r\nDX=3\r\nDY=3\r\nDZ=3\r\n"
         "[Z0]\r\nY0=111\r\nY1=111\r\nY2=111\r\n"
         "[Z1]\r\nY0=111\r\nY1=111\r\nY2=111\r\n"
         "[Z2]\r\nY0=111\r\nY1=111\r\nY2=111";
}

}  // namespace kelvane::testing
