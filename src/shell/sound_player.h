// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a WAV file by name in the background; a missing file or an absent sound device is silent.
#pragma once

#include <QSoundEffect>
#include <memory>
#include <string_view>

namespace kelvane {

class SoundPlayer {
 public:
  // Starts `fileName` (relative to the working folder) and returns at once.
  void Play(std::string_view fileName);

 private:
  // Made on first use, so a game that never wins never touches the audio system.
  std::unique_ptr<QSoundEffect> effect_;
};

}  // namespace kelvane
