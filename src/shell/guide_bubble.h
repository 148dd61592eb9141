// SPDX-License-Identifier: GPL-3.0-or-later
// The guide's speech bubble over the main window: one step's sentence beside what it speaks of,
// a step counter and Skip. It only watches: every key and click still goes to the game.
#pragma once

#include <QWidget>
#include <functional>

#include "model/guide_steps.h"

class QLabel;
class QPushButton;

namespace kelvane {

class GuideBubble : public QWidget {
  Q_OBJECT

 public:
  // Where each target lies, in the parent's coordinates.
  using TargetRect = std::function<QRect(GuideTarget)>;

  GuideBubble(TargetRect targetRect, const GuideGlance& start, QWidget* parent);

  // The game after something happened; only the player's own actions (`counts`) may move the
  // guide on, any other change becomes the new starting point.
  void Look(const GuideGlance& now, bool counts);
  void NoticeAnalyse();
  // Sets the bubble beside its target again, after the window's content moved.
  void Place();
  QPushButton& SkipButton() { return *skip_; }

 signals:
  // Skipped, Esc, or every step done; the bubble may be deleted.
  void Ended();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  enum class Side { Right, Left, Below, Above };
  void ShowStep();
  void Finish();
  // The body's place on `side` of `target` (clamped into the parent), with the pointer's tip.
  QRect BodyBeside(const QRect& target, Side side) const;
  QPainterPath Outline() const;

  TargetRect targetRect_;
  GuideTour tour_;
  QLabel* text_ = nullptr;
  QLabel* counter_ = nullptr;
  QPushButton* skip_ = nullptr;
  Side side_ = Side::Right;
  // The pointer's tip, in the bubble's coordinates.
  QPoint tip_;
};

}  // namespace kelvane
