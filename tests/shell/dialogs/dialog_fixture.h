// SPDX-License-Identifier: GPL-3.0-or-later
// A Game ready for the dialogs (pieces, skins, sprite mask) in a scratch working folder, with a
// recording platform that answers message boxes from a script.
#pragma once

#include <QString>
#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "model/game.h"
#include "support/fake_platform.h"

namespace kelvane::testing {

class DialogFixture {
 public:
  DialogFixture();
  ~DialogFixture();
  DialogFixture(const DialogFixture&) = delete;
  DialogFixture& operator=(const DialogFixture&) = delete;

  Game& game() { return *game_; }
  FakePlatform platform;

  // Writes a file of the working folder, making its folder.
  void WriteFile(const QString& path, std::string_view text) const;
  QString ReadFile(const QString& path) const;

 private:
  QString previousFolder_;
  QTemporaryDir folder_;
  std::unique_ptr<Game> game_;
};

// The text of a 3 × 3 × 3 block, a valid puzzle file.
std::string_view CubePuzzleText();

}  // namespace kelvane::testing
