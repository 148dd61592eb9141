// SPDX-License-Identifier: GPL-3.0-or-later
// A menu drawn as the menu table describes it: its own shortcut texts and bare check marks.
#pragma once

#include <QMenu>

namespace kelvane {

class TableMenu : public QMenu {
  Q_OBJECT

 public:
  using QMenu::QMenu;

  // How `action` is drawn. The shortcut text is the part of the action's text after a tab, or
  // none: the toolkit would otherwise print the first key of any command that has keys. A
  // checkable item shows a check mark while checked and nothing while not, never an empty box.
  void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

}  // namespace kelvane
