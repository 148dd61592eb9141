// A main window on its own Game in a scratch working folder, with message boxes answered from a
// script instead of waiting for a user.
#pragma once

#include <QTemporaryDir>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "model/game.h"
#include "model/platform.h"
#include "shell/main_window.h"

namespace kelvane::testing {

struct BoxShown {
  std::string text;
  std::string caption;
  MessageStyle style;
};

class WindowFixture {
 public:
  WindowFixture();
  ~WindowFixture();

  Game& game() { return *game_; }
  MainWindow& window() { return *window_; }
  QString WorkingFolder() const { return folder_.path(); }

  // Answers for the next question boxes, in order; an unscripted question answers No.
  std::deque<MessageAnswer> answers;
  std::vector<BoxShown> boxes;

 private:
  QString previousFolder_;
  QTemporaryDir folder_;
  std::unique_ptr<Game> game_;
  std::unique_ptr<MainWindow> window_;
};

}  // namespace kelvane::testing
