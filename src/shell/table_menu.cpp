// SPDX-License-Identifier: GPL-3.0-or-later
// The menu items' look: table shortcut texts and bare check marks.
#include "shell/table_menu.h"

#include <QAction>
#include <QPainter>
#include <QPainterPath>
#include <QStyleOptionMenuItem>

namespace kelvane {
namespace {

// A tick in the menu's text colour, sized as the style's small icons.
QIcon CheckMark(const QColor& colour, int size, qreal pixelRatio) {
  QPixmap picture(QSize(size, size) * pixelRatio);
  picture.setDevicePixelRatio(pixelRatio);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.setPen(QPen(colour, size / 8.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QPainterPath tick;
  tick.moveTo(size * 0.2, size * 0.55);
  tick.lineTo(size * 0.42, size * 0.77);
  tick.lineTo(size * 0.82, size * 0.25);
  painter.drawPath(tick);
  return QIcon(picture);
}

}  // namespace

void TableMenu::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
  QMenu::initStyleOption(option, action);
  if (!action->text().contains(u'\t')) {
    option->text = option->text.section(u'\t', 0, 0);
  }
  if (option->checkType == QStyleOptionMenuItem::NonExclusive) {
    option->checkType = QStyleOptionMenuItem::NotCheckable;
    if (action->isChecked()) {
      const int size = style()->pixelMetric(QStyle::PM_SmallIconSize, option, this);
      option->icon = CheckMark(option->palette.color(QPalette::Text), size, devicePixelRatio());
    }
  }
}

}  // namespace kelvane
