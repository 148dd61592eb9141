// SPDX-License-Identifier: GPL-3.0-or-later
// The motion timer and the input that cuts a motion short.
#include "shell/motion_ticker.h"

#include <QCoreApplication>
#include <QEvent>

#include "model/game.h"
#include "model/motion_timeline.h"

namespace kelvane {
namespace {

// About one frame of a 60 Hz screen.
constexpr int kFrameMs = 16;

}  // namespace

MotionTicker::MotionTicker(Game& game, Platform& platform, QObject* parent)
    : QObject(parent), game_(game), platform_(platform) {
  timer_.setInterval(kFrameMs);
  connect(&timer_, &QTimer::timeout, this, [this] {
    if (!AdvanceMotion(game_, platform_)) {
      timer_.stop();
    }
  });
  QCoreApplication::instance()->installEventFilter(this);
}

void MotionTicker::Follow() {
  if (MotionPending(game_.motion) && !timer_.isActive()) {
    timer_.start();
  }
}

bool MotionTicker::eventFilter(QObject*, QEvent* event) {
  switch (event->type()) {
    // A shortcut is offered before its key press: while the congratulation is due, neither
    // reaches the game, as neither would past the congratulation's box.
    case QEvent::ShortcutOverride:
      if (game_.motion.winAnnouncementDue) {
        event->accept();
        return true;
      }
      FinishMotion(game_, platform_);
      return false;
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::Wheel:
      return FinishMotion(game_, platform_);
    default:
      return false;
  }
}

}  // namespace kelvane
