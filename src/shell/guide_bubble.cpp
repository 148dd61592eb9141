// SPDX-License-Identifier: GPL-3.0-or-later
// Drawing and placing the guide's bubble, and walking its steps.
#include "shell/guide_bubble.h"
#include "shell/translations.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMainWindow>
#include <QPainter>
#include <QPainterPath>
#include <QPainterPathStroker>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>
#include <algorithm>
#include <array>

namespace kelvane {
namespace {

// The pointer's length and half its base; the body keeps this margin on every side for it.
constexpr int kPointer = 12;
constexpr int kRadius = 10;
constexpr int kTextWidth = 250;

// The client area between the menu bar and the status line, where the bubble may stand.
QRect Room(const QWidget& window) {
  const auto* main = qobject_cast<const QMainWindow*>(&window);
  return main != nullptr && main->centralWidget() != nullptr ? main->centralWidget()->geometry()
                                                             : window.rect();
}

}  // namespace

GuideBubble::GuideBubble(TargetRect targetRect, const GuideGlance& start, QWidget* parent)
    : QWidget(parent), targetRect_(std::move(targetRect)), tour_(start) {
  setFocusPolicy(Qt::NoFocus);
  text_ = new QLabel(this);
  text_->setWordWrap(true);
  text_->setFixedWidth(kTextWidth);
  QFont bigger = text_->font();
  bigger.setPointSizeF(bigger.pointSizeF() * 1.1);
  text_->setFont(bigger);
  counter_ = new QLabel(this);
  text_->setForegroundRole(QPalette::ToolTipText);
  counter_->setForegroundRole(QPalette::ToolTipText);
  skip_ = new QPushButton(tr("Skip"), this);
  // Reached by Tab after the field; Enter presses it as Space does.
  skip_->setFocusPolicy(Qt::TabFocus);
  skip_->setAutoDefault(true);
  connect(skip_, &QPushButton::clicked, this, &GuideBubble::Finish);
  auto* row = new QHBoxLayout;
  row->addWidget(counter_);
  row->addStretch();
  row->addWidget(skip_);
  auto* layout = new QVBoxLayout(this);
  const int margin = kPointer + 10;
  layout->setContentsMargins(margin, margin - 2, margin, margin - 2);
  layout->addWidget(text_);
  layout->addLayout(row);
  // Esc anywhere in the window, except while a popup such as the orientation menu has the keys.
  auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), parent);
  connect(escape, &QShortcut::activated, this, &GuideBubble::Finish);
  connect(this, &QObject::destroyed, escape, &QObject::deleteLater);
  ShowStep();
}

void GuideBubble::Look(const GuideGlance& now, bool counts) {
  const bool reselected = now.selected != tour_.LastSeen().selected;
  if (tour_.Look(now, counts)) {
    ShowStep();
  } else if (reselected) {
    Place();  // beside the newly selected piece
  }
}

void GuideBubble::NoticeAnalyse() {
  if (tour_.Notice(GuideEvent::AnalyseUsed)) {
    ShowStep();
  }
}

void GuideBubble::ShowStep() {
  if (!tour_.Running()) {
    Finish();
    return;
  }
  text_->setText(CoreText(tour_.Current().text));
  counter_->setText(tr("%1 of %2").arg(tour_.StepNumber()).arg(GuideTour::StepCount()));
  Place();
  show();
  raise();
}

void GuideBubble::Finish() {
  tour_.End();
  hide();
  emit Ended();
}

QRect GuideBubble::BodyBeside(const QRect& target, Side side) const {
  const QSize body = sizeHint() - QSize(2 * kPointer, 2 * kPointer);
  const QRect area = Room(*parentWidget()).adjusted(4, 4, -4, -4);
  QRect place(QPoint(), body);
  switch (side) {
    case Side::Right:
      place.moveTopLeft({target.right() + kPointer + 2, target.top() + 8});
      break;
    case Side::Left:
      place.moveTopRight({target.left() - kPointer - 2, target.top() + 8});
      break;
    case Side::Below:
      place.moveTopLeft({target.left(), target.bottom() + kPointer + 2});
      break;
    case Side::Above:
      place.moveBottomLeft({target.left(), target.top() - kPointer - 2});
      break;
  }
  // Slide along the target's side to stay in the window.
  place.moveLeft(
      std::clamp(place.left(), area.left(), std::max(area.left(), area.right() - body.width())));
  place.moveTop(
      std::clamp(place.top(), area.top(), std::max(area.top(), area.bottom() - body.height())));
  return place;
}

void GuideBubble::Place() {
  if (!tour_.Running()) {
    return;
  }
  const GuideTarget target = tour_.Current().target;
  const QRect aim = targetRect_(target);
  // Under the field and the menu bar, where no piece or target figure is drawn; beside the rest.
  const bool under = target == GuideTarget::MenuBar || target == GuideTarget::Field;
  const std::array<Side, 4> sides =
      under ? std::array{Side::Below, Side::Right, Side::Left, Side::Above}
            : std::array{Side::Right, Side::Left, Side::Below, Side::Above};
  const QRect area = Room(*parentWidget());
  side_ = sides.front();
  QRect body = BodyBeside(aim, side_);
  for (const Side side : sides) {
    const QRect place = BodyBeside(aim, side);
    if (area.contains(place) && !place.intersects(aim)) {
      side_ = side;
      body = place;
      break;
    }
  }
  const QRect outer = body.adjusted(-kPointer, -kPointer, kPointer, kPointer);
  setGeometry(outer);
  // The tip touches the target's side, level with the target's middle where the body reaches.
  const QPoint centre = aim.center();
  const int y =
      std::clamp(centre.y(), body.top() + kRadius + kPointer, body.bottom() - kRadius - kPointer);
  const int x =
      std::clamp(centre.x(), body.left() + kRadius + kPointer, body.right() - kRadius - kPointer);
  switch (side_) {
    case Side::Right:
      tip_ = QPoint(body.left() - kPointer, y);
      break;
    case Side::Left:
      tip_ = QPoint(body.right() + kPointer, y);
      break;
    case Side::Below:
      tip_ = QPoint(x, body.top() - kPointer);
      break;
    case Side::Above:
      tip_ = QPoint(x, body.bottom() + kPointer);
      break;
  }
  tip_ -= outer.topLeft();
  QPainterPathStroker edge;
  edge.setWidth(4);
  setMask(QRegion(Outline().united(edge.createStroke(Outline())).toFillPolygon().toPolygon()));
  update();
}

QPainterPath GuideBubble::Outline() const {
  const QRectF body =
      QRectF(rect()).adjusted(kPointer + 0.5, kPointer + 0.5, -kPointer - 0.5, -kPointer - 0.5);
  QPainterPath path;
  path.addRoundedRect(body, kRadius, kRadius);
  const QPointF tip(tip_);
  const bool across = side_ == Side::Right || side_ == Side::Left;
  // The pointer's base lies just inside the body, so the two shapes join without a seam.
  const qreal inward = side_ == Side::Right || side_ == Side::Below ? 2 : -2;
  const QPointF base =
      across
          ? QPointF(side_ == Side::Right ? body.left() + inward : body.right() + inward, tip.y())
          : QPointF(tip.x(), side_ == Side::Below ? body.top() + inward : body.bottom() + inward);
  const QPointF half = across ? QPointF(0, kPointer * 0.8) : QPointF(kPointer * 0.8, 0);
  QPainterPath pointer;
  pointer.moveTo(base - half);
  pointer.lineTo(tip);
  pointer.lineTo(base + half);
  pointer.closeSubpath();
  return path.united(pointer).simplified();
}

void GuideBubble::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setRenderHint(QPainter::Antialiasing);
  const QPalette& colours = palette();
  painter.setPen(QPen(colours.color(QPalette::Highlight), 2));
  painter.setBrush(colours.color(QPalette::ToolTipBase));
  painter.drawPath(Outline());
}

}  // namespace kelvane
