// SPDX-License-Identifier: GPL-3.0-or-later
// A main window on its own Game in a scratch working folder, with message boxes answered from a
// script instead of waiting for a user.
#pragma once

#include <QTemporaryDir>
#include <memory>
#include <string_view>

#include "model/game.h"
#include "shell/main_window.h"
#include "support/fake_platform.h"

namespace kelvane::testing {

class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();

  Game& game() { return *game_; }
  MainWindow& window() { return *window_; }
  QString WorkingFolder() const { return folder_.path(); }

  // Answers the window's message boxes from its script and records them; the dialog tests give
  // it to their dialogs as the platform.
  FakePlatform boxes;

 private:
  QString previousFolder_;
  QTemporaryDir folder_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<MainWindow> window_;
};

// Writes a file of the working folder, making its folder.
void WriteTestFile(const QString& path, std::string_view text);

// The text of a 3 × 3 × 3 block, a valid puzzle file.
std::string_view CubePuzzleText();

}  // namespace kelvane::testing
