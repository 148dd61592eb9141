// SPDX-License-Identifier: GPL-3.0-or-later
// The menu-table walker.
#include "shell/menu_bar.h"

#include <QCoreApplication>
#include <QKeySequence>
#include <vector>

#include "shell/table_menu.h"

namespace kelvane {

namespace {

// The entry's text in the language installed; the shortcut after the tab stays the table's own.
QString MenuText(const char* text) {
  const QString source = QString::fromUtf8(text);
  const QString shortcut = source.contains(u'\t') ? source.section(u'\t', 1) : QString();
  const QString label = QCoreApplication::translate("Menu", text).section(u'\t', 0, 0);
  return shortcut.isEmpty() ? label : label + u'\t' + shortcut;
}

QAction* MakeCommand(QObject* owner, const MenuEntry& entry, const std::function<void(int)>& run) {
  auto* action = new QAction(MenuText(entry.text), owner);
  QList<QKeySequence> keys;
  for (const char* key : entry.keys) {
    if (key != nullptr) {
      keys.append(QKeySequence(QString::fromUtf8(key)));
    }
  }
  action->setShortcuts(keys);
  action->setCheckable(entry.checkable);
  const int id = entry.id;
  QObject::connect(action, &QAction::triggered, owner, [run, id] { run(id); });
  return action;
}

}  // namespace

std::map<int, QAction*> BuildMenuBar(QMenuBar& bar, std::span<const MenuEntry> table,
                                     const std::function<void(int)>& run) {
  std::map<int, QAction*> actions;
  std::vector<TableMenu*> open;
  for (const MenuEntry& entry : table) {
    switch (entry.kind) {
      case MenuEntryKind::Menu: {
        auto* menu = new TableMenu(MenuText(entry.text),
                                   open.empty() ? static_cast<QWidget*>(&bar) : open.back());
        if (open.empty()) {
          bar.addMenu(menu);
        } else {
          open.back()->addMenu(menu);
        }
        open.push_back(menu);
        break;
      }
      case MenuEntryKind::EndMenu:
        open.pop_back();
        break;
      case MenuEntryKind::Separator:
        open.back()->addSeparator();
        break;
      case MenuEntryKind::Command:
        actions[entry.id] = MakeCommand(open.back(), entry, run);
        open.back()->addAction(actions[entry.id]);
        break;
      case MenuEntryKind::BarCommand:
        actions[entry.id] = MakeCommand(&bar, entry, run);
        bar.addAction(actions[entry.id]);
        break;
    }
  }
  return actions;
}

}  // namespace kelvane
