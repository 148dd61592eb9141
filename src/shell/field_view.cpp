// Pointer input and frame display of the field view.
#include "shell/field_view.h"

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
  setFocusPolicy(Qt::NoFocus);
}

void FieldView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter_(painter);
}

void FieldView::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position().toPoint();
  // The placement preview follows the pointer.
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
