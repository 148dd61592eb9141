// SPDX-License-Identifier: GPL-3.0-or-later
// Layout, drawing and choice of the orientation popup.
#include "shell/orientation_popup.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstdlib>

namespace kelvane {

namespace {
// The divider between columns, as a menu bar break draws it, and the popup's frame.
constexpr int kDividerWidth = 1;
constexpr int kFrameWidth = 1;
}  // namespace

OrientationPopup::OrientationPopup(const OrientationMenu& menu, OrientationItemPainter painter,
                                   QWidget* parent)
    : QWidget(parent, Qt::Popup), painter_(std::move(painter)) {
  setAttribute(Qt::WA_DeleteOnClose);
  setAttribute(Qt::WA_OpaquePaintEvent);
  setMouseTracking(true);
  int left = kFrameWidth;
  int top = kFrameWidth;
  int bottom = top;
  for (const OrientationMenuItem& item : menu.items) {
    if (item.startsColumn && top > kFrameWidth) {
      left += kItemSize + kDividerWidth;
      top = kFrameWidth;
    }
    cells_.push_back({item.commandId, QRect(left, top, kItemSize, kItemSize)});
    top += kItemSize;
    bottom = std::max(bottom, top);
  }
  setFixedSize(left + kItemSize + kFrameWidth, bottom + kFrameWidth);
}

void OrientationPopup::Open(QPoint globalPosition) {
  QPoint position = globalPosition;
  if (const QScreen* screen = QApplication::screenAt(globalPosition)) {
    const QRect available = screen->availableGeometry();
    position.setX(std::clamp(position.x(), available.left(),
                             std::max(available.left(), available.right() + 1 - width())));
    position.setY(std::clamp(position.y(), available.top(),
                             std::max(available.top(), available.bottom() + 1 - height())));
  }
  move(position);
  openedAt_ = globalPosition;
  armed_ = false;
  show();
}

void OrientationPopup::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), palette().color(QPalette::Mid));
  painter.setPen(palette().color(QPalette::Shadow));
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    painter_(painter, cells_[i].area, cells_[i].commandId, static_cast<int>(i) == highlighted_);
  }
}

int OrientationPopup::ItemAt(QPoint position) const {
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    if (cells_[i].area.contains(position)) {
      return static_cast<int>(i);
    }
  }
  return -1;
}

void OrientationPopup::mousePressEvent(QMouseEvent* event) {
  armed_ = true;
  QWidget::mousePressEvent(event);
}

void OrientationPopup::mouseMoveEvent(QMouseEvent* event) {
  if ((event->globalPosition().toPoint() - openedAt_).manhattanLength() >=
      QApplication::startDragDistance()) {
    armed_ = true;
  }
  const int item = ItemAt(event->position().toPoint());
  if (item != highlighted_) {
    highlighted_ = item;
    update();
  }
}

void OrientationPopup::mouseReleaseEvent(QMouseEvent* event) {
  const int item = ItemAt(event->position().toPoint());
  if (armed_ && item >= 0) {
    Choose(item);
  }
}

void OrientationPopup::keyPressEvent(QKeyEvent* event) {
  const int count = ItemCount();
  switch (event->key()) {
    case Qt::Key_Down:
      highlighted_ = (highlighted_ + 1) % count;
      break;
    case Qt::Key_Up:
      highlighted_ = highlighted_ <= 0 ? count - 1 : highlighted_ - 1;
      break;
    case Qt::Key_Left:
      highlighted_ = ItemBeside(-1);
      break;
    case Qt::Key_Right:
      highlighted_ = ItemBeside(+1);
      break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      if (highlighted_ >= 0) {
        Choose(highlighted_);
      }
      return;
    default:
      QWidget::keyPressEvent(event);
      return;
  }
  update();
}

int OrientationPopup::ItemBeside(int step) const {
  if (highlighted_ < 0) {
    return 0;
  }
  std::vector<int> columnLefts;
  for (const Cell& cell : cells_) {
    if (columnLefts.empty() || columnLefts.back() != cell.area.left()) {
      columnLefts.push_back(cell.area.left());
    }
  }
  const QRect from = cells_[static_cast<std::size_t>(highlighted_)].area;
  const int columns = static_cast<int>(columnLefts.size());
  const auto column = std::ranges::find(columnLefts, from.left()) - columnLefts.begin();
  const int left = columnLefts[static_cast<std::size_t>((column + step + columns) % columns)];
  // A shorter column offers its last item for the rows it lacks.
  int beside = highlighted_;
  for (std::size_t i = 0; i < cells_.size(); ++i) {
    const QRect& area = cells_[i].area;
    if (area.left() == left &&
        (beside == highlighted_ ||
         std::abs(area.top() - from.top()) <
             std::abs(cells_[static_cast<std::size_t>(beside)].area.top() - from.top()))) {
      beside = static_cast<int>(i);
    }
  }
  return beside;
}

void OrientationPopup::Choose(int index) {
  const int commandId = cells_[static_cast<std::size_t>(index)].commandId;
  close();
  emit Chosen(commandId);
}

}  // namespace kelvane
