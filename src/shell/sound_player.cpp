// SPDX-License-Identifier: GPL-3.0-or-later
// Asynchronous sound through QSoundEffect.
#include "shell/sound_player.h"

#include <QFileInfo>
#include <QUrl>

namespace kelvane {

void SoundPlayer::Play(std::string_view fileName) {
  const QFileInfo file(QString::fromUtf8(fileName.data(), static_cast<qsizetype>(fileName.size())));
  if (!file.isFile()) {
    return;
  }
  if (!effect_) {
    effect_ = std::make_unique<QSoundEffect>();
  }
  effect_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
  effect_->play();
}

}  // namespace kelvane
