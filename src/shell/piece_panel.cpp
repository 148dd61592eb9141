// SPDX-License-Identifier: GPL-3.0-or-later
// The piece panel list and its owner-drawn items.
#include "shell/piece_panel.h"

#include <QKeyEvent>
#include <QPainter>
#include <QWheelEvent>

namespace kelvane {

namespace {

class PanelItemDelegate : public QStyledItemDelegate {
 public:
  PanelItemDelegate(PanelItemPainter painter, QObject* parent)
      : QStyledItemDelegate(parent), painter_(std::move(painter)) {}

  void paint(QPainter* painter, const QStyleOptionViewItem& option,
             const QModelIndex& index) const override {
    painter_(*painter, option.rect, index.row(), option.state.testFlag(QStyle::State_Selected));
  }

  QSize sizeHint(const QStyleOptionViewItem&, const QModelIndex&) const override {
    return {PiecePanel::kItemSize, PiecePanel::kItemSize};
  }

 private:
  PanelItemPainter painter_;
};

}  // namespace

PiecePanel::PiecePanel(PanelItemPainter painter, QWidget* parent) : ListBox(parent) {
  setItemDelegate(new PanelItemDelegate(std::move(painter), this));
  setFrameShape(QFrame::NoFrame);
  setUniformItemSizes(true);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
  setVerticalScrollMode(QAbstractItemView::ScrollPerItem);
  // The items paint every pixel; a styled hover or focus frame would only flicker over them.
  setMouseTracking(false);
  setAttribute(Qt::WA_Hover, false);
  Reset();
}

void PiecePanel::Reset() {
  clear();
  for (int item = 0; item < kItemCount; ++item) {
    addItem(QString());
  }
}

int PiecePanel::Selection() const {
  const QList<QListWidgetItem*> selected = selectedItems();
  return selected.isEmpty() ? -1 : row(selected.front());
}

void PiecePanel::Select(int item) {
  setCurrentRow(item, QItemSelectionModel::ClearAndSelect);
}

void PiecePanel::keyPressEvent(QKeyEvent* event) {
  emit KeyPassedUp(event);
  ListBox::keyPressEvent(event);
  // The window has had the key already: passed on by the list, Ctrl+X would turn twice.
  event->accept();
}

void PiecePanel::wheelEvent(QWheelEvent* event) {
  if (event->angleDelta().y() != 0) {
    emit WheelPassedUp(event->angleDelta().y());
  }
  event->accept();
}

}  // namespace kelvane
