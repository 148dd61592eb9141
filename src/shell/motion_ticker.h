// SPDX-License-Identifier: GPL-3.0-or-later
// Frames for the game's motions: a timer that ticks only while a motion runs, and any input
// finishing the motion at once.
#pragma once

#include <QObject>
#include <QTimer>

namespace kelvane {

struct Game;
class Platform;

class MotionTicker : public QObject {
  Q_OBJECT

 public:
  // Watches the whole application's input.
  MotionTicker(Game& game, Platform& platform, QObject* parent);

  // Starts ticking when a motion has begun.
  void Follow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  Game& game_;
  Platform& platform_;
  QTimer timer_;
};

}  // namespace kelvane
