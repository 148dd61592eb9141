// SPDX-License-Identifier: GPL-3.0-or-later
// List-box selection over the toolkit's list.
#include "shell/list_box.h"

#include <QMouseEvent>

namespace kelvane {

ListBox::ListBox(QWidget* parent) : QListWidget(parent) {
  setSelectionMode(QAbstractItemView::SingleSelection);
}

QItemSelectionModel::SelectionFlags ListBox::selectionCommand(const QModelIndex& index,
                                                              const QEvent* event) const {
  if (!index.isValid()) {
    return QItemSelectionModel::NoUpdate;
  }
  const QItemSelectionModel::SelectionFlags flags = QListWidget::selectionCommand(index, event);
  // The toolkit's Ctrl+click or Ctrl+Space would unselect; a list box selects instead.
  if (flags.testAnyFlags(QItemSelectionModel::Deselect | QItemSelectionModel::Toggle)) {
    return QItemSelectionModel::ClearAndSelect;
  }
  return flags;
}

// Only the left button chooses; a right click leaves the selection (and the current item) for
// the context menu to act on.
void ListBox::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    event->accept();
    return;
  }
  QListWidget::mousePressEvent(event);
}

}  // namespace kelvane
