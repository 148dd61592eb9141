// SPDX-License-Identifier: GPL-3.0-or-later
// The orientation popup: the selected piece's orientations as 64 × 64 pictures in columns.
#pragma once

#include <QWidget>
#include <functional>
#include <vector>

#include "model/orientation_menus.h"

namespace kelvane {

// Draws the picture of orientation item `commandId` into `area`, highlighted when `selected`.
using OrientationItemPainter =
    std::function<void(QPainter& painter, const QRect& area, int commandId, bool selected)>;

class OrientationPopup : public QWidget {
  Q_OBJECT

 public:
  static constexpr int kItemSize = 64;

  // Lays out the items of `menu` column by column; closes itself when an item is chosen.
  OrientationPopup(const OrientationMenu& menu, OrientationItemPainter painter, QWidget* parent);

  // Shows the popup with its top-left corner at `globalPosition`, kept on the screen.
  void Open(QPoint globalPosition);

  // The area of item `index` (in menu order), in popup coordinates.
  QRect ItemRect(int index) const { return cells_[static_cast<std::size_t>(index)].area; }
  int ItemCount() const { return static_cast<int>(cells_.size()); }
  // The item the keys or the pointer highlight, or -1.
  int Highlighted() const { return highlighted_; }

 signals:
  void Chosen(int commandId);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  struct Cell {
    int commandId;
    QRect area;
  };

  int ItemAt(QPoint position) const;
  // The item in the column `step` columns away (wrapping) nearest the highlighted one's height.
  int ItemBeside(int step) const;
  void Choose(int index);

  OrientationItemPainter painter_;
  std::vector<Cell> cells_;
  int highlighted_ = -1;
  // The popup opens on the right button's press; its release, where the popup opened, is no
  // choice. A press inside the popup or a drag away from that point makes releases count.
  QPoint openedAt_;
  bool armed_ = false;
};

}  // namespace kelvane
