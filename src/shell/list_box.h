// SPDX-License-Identifier: GPL-3.0-or-later
// A list that keeps its selection as a list box does.
#pragma once

#include <QListWidget>

namespace kelvane {

// Single selection where a left click selects the item under it and no click unselects: not
// Ctrl+click, not a click below the items, not another button. Only the program clears it.
class ListBox : public QListWidget {
  Q_OBJECT

 public:
  explicit ListBox(QWidget* parent = nullptr);

 protected:
  QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex& index,
                                                       const QEvent* event) const override;
  void mousePressEvent(QMouseEvent* event) override;
};

}  // namespace kelvane
