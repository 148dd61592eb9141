// SPDX-License-Identifier: GPL-3.0-or-later
// The client area under the menu bar: shows each composed frame and turns pointer input into
// requests for the main window.
#pragma once

#include <QWidget>
#include <functional>
#include <optional>

namespace kelvane {

// Composes and draws the whole frame.
using FramePainter = std::function<void(QPainter& painter)>;

class FieldView : public QWidget {
  Q_OBJECT

 public:
  FieldView(FramePainter painter, QWidget* parent);

  // Where the pointer was last seen over the view, in view coordinates.
  std::optional<QPoint> Pointer() const { return pointer_; }

 signals:
  void PrimaryPressed();
  // The pointer moved over the view: it, not the keyboard, now aims.
  void PointerMoved();
  // A key pressed while the view has the keyboard; the receiver accepts what it uses.
  void KeyPressed(QKeyEvent* event);
  void FocusChanged(bool hasFocus);
  // One wheel event with a vertical delta (positive away from the user).
  void WheelTurned(int delta);
  void Resized();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  FramePainter painter_;
  std::optional<QPoint> pointer_;
};

}  // namespace kelvane
