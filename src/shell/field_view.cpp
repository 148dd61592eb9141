// SPDX-License-Identifier: GPL-3.0-or-later
// Pointer input and frame display of the field view.
#include "shell/field_view.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kelvane {

FieldView::FieldView(FramePainter painter, QWidget* parent)
    : QWidget(parent), painter_(std::move(painter)) {
  // Every frame covers the whole view, so nothing needs erasing first: no flicker.
  setAttribute(Qt::WA_OpaquePaintEvent);
  setAttribute(Qt::WA_NoSystemBackground);
  setMouseTracking(true);
  // Tab brings the keyboard here; a click leaves it where it was, so the panel's arrow keys keep
  // working for pointer players.
  setFocusPolicy(Qt::TabFocus);
}

void FieldView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter_(painter);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position().toPoint();
  // The placement preview follows the pointer.
  emit PointerMoved();
  update();
}

void FieldView::mousePressEvent(QMouseEvent* event) {
  pointer_ = event->position().toPoint();
  if (event->button() == Qt::LeftButton) {
    emit PrimaryPressed();
  }
}

void FieldView::leaveEvent(QEvent*) {
  pointer_.reset();
  update();
}

void FieldView::keyPressEvent(QKeyEvent* event) {
  event->ignore();
  emit KeyPressed(event);
  if (!event->isAccepted()) {
    QWidget::keyPressEvent(event);
  }
}

void FieldView::focusInEvent(QFocusEvent* event) {
  QWidget::focusInEvent(event);
  emit FocusChanged(true);
}

void FieldView::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // The orientation popup or a message box borrows the keyboard and gives it back.
  if (event->reason() != Qt::PopupFocusReason && event->reason() != Qt::ActiveWindowFocusReason) {
    emit FocusChanged(false);
  }
}

void FieldView::wheelEvent(QWheelEvent* event) {
  // Horizontal turns and the zero-delta phase events of touchpads are not wheel steps.
  if (event->angleDelta().y() != 0) {
    emit WheelTurned(event->angleDelta().y());
  }
  event->accept();
}

void FieldView::resizeEvent(QResizeEvent*) {
  emit Resized();
}

}  // namespace kelvane
