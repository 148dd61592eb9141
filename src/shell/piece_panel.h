// SPDX-License-Identifier: GPL-3.0-or-later
// The piece panel: eight owner-drawn 64 × 64 items, item 0 for no piece and 1…7 for the pieces.
#pragma once

#include <QStyledItemDelegate>
#include <functional>

#include "shell/list_box.h"

namespace kelvane {

// Draws item `item` into `area` of the panel, highlighted when `selected`.
using PanelItemPainter =
    std::function<void(QPainter& painter, const QRect& area, int item, bool selected)>;

class PiecePanel : public ListBox {
  Q_OBJECT

 public:
  static constexpr int kItemCount = 8;
  static constexpr int kItemSize = 64;

  PiecePanel(PanelItemPainter painter, QWidget* parent);

  // Removes every item and adds the eight empty ones again, which clears the selection.
  void Reset();

  // The selected item, or -1 when there is none.
  int Selection() const;
  void Select(int item);

 signals:
  // Keys and wheel turns meant for the main window as well; the panel still moves its selection
  // with the arrow keys, but never scrolls by the wheel.
  void KeyPassedUp(QKeyEvent* event);
  // One wheel event with a vertical delta, as the field view reports it.
  void WheelPassedUp(int delta);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
};

}  // namespace kelvane
