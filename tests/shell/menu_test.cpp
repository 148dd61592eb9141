// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar as the player sees it: order, texts, separators, submenus and shortcuts.
#include <QMenu>
#include <QMenuBar>
#include <QStyleOptionMenuItem>
#include <QTest>

#include "model/command_ids.h"
#include "shell/table_menu.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

// One line per entry: "-" for a separator, "title >" for a submenu, else the item's text.
QStringList Describe(const QMenu* menu) {
  QStringList lines;
  for (const QAction* action : menu->actions()) {
    if (action->isSeparator()) {
      lines << "-";
    } else if (action->menu() != nullptr) {
      lines << action->text() + " >";
    } else {
      lines << action->text();
    }
  }
  return lines;
}

const QMenu* TopMenu(MainWindow& window, const QString& title) {
  for (const QAction* action : window.menuBar()->actions()) {
    if (action->text() == title) {
      return action->menu();
    }
  }
  return nullptr;
}

const QMenu* Submenu(const QMenu* menu, const QString& title) {
  for (const QAction* action : menu->actions()) {
    if (action->text() == title) {
      return action->menu();
    }
  }
  return nullptr;
}

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

 private slots:
  void BarHoldsFiveMenusAndTheOptionsCommandInOrder() {
    WindowFixture fixture;
    QStringList titles;
    for (const QAction* action : fixture.window().menuBar()->actions()) {
      titles << action->text();
    }
    QCOMPARE(titles,
             QStringList({"&Game", "&Field", "&Puzzle", "&Options...", "&Analyse", "&Help"}));
    // Options is a command on the bar itself, not a menu.
    QCOMPARE(fixture.window().Action(kCmdOptions), fixture.window().menuBar()->actions()[3]);
    QVERIFY(fixture.window().menuBar()->actions()[3]->menu() == nullptr);
  }

  void EachMenuListsItsItemsWithShownShortcuts() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    const QMenu* game = TopMenu(window, "&Game");
    QCOMPARE(Describe(game), QStringList({"&New...\tCTRL+N", "-", "&Create puzzle >",
                                          "&Save puzzle...\tCTRL+S", "-", "E&xit\tALT+F4"}));
    QCOMPARE(Describe(Submenu(game, "&Create puzzle")),
             QStringList({"By cubes\tCTRL+C", "By pieces", "Import from HTM file\tCTRL+I"}));
    const QMenu* field = TopMenu(window, "&Field");
    QCOMPARE(Describe(field),
             QStringList({"Layer &up\tCTRL+Up", "Layer &down\tCTRL+Down", "-",
                          "Rotate +90 degrees\tCTRL+LEFT", "Rotate -90 degrees\tCTRL+RIGHT", "-",
                          "Hide piece >", "-", "&Remove piece\tCTRL+Delete", "-", "U&ndo\tCTRL+Z",
                          "Red&o\tCTRL+Y", "Res&tart puzzle\tCTRL+R"}));
    QCOMPARE(Describe(Submenu(field, "Hide piece")),
             QStringList({"&1\tCTRL+1", "&2\tCTRL+2", "&3\tCTRL+3", "&4\tCTRL+4", "&5\tCTRL+5",
                          "&6\tCTRL+6", "&7\tCTRL+7"}));
    QCOMPARE(Describe(TopMenu(window, "&Puzzle")),
             QStringList({"&Show up layer\tCTRL+Home", "&Hide down layer\tCTRL+End"}));
    QCOMPARE(
        Describe(TopMenu(window, "&Analyse")),
        QStringList({"&Test puzzle\tCTRL+T", "&Hint by show one piece", "&Show all pieces", "-",
                     "&Next solution\tF3", "&Previous solution\tShift+F3", "&Back to my pieces"}));
    QCOMPARE(Describe(TopMenu(window, "&Help")),
             QStringList({"&User manual\tF1", "&Tutorial", "-", "&About ...", "&Home page"}));
  }

  // The keys shown after a tab are the keys bound; About and Redo have two, Options one unshown.
  void EveryAcceleratorIsBoundToItsCommand() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    for (const QAction* action : window.findChildren<QAction*>()) {
      const QString shown = action->text().section('\t', 1);
      // Redo shows one of its two keys, checked below.
      if (!shown.isEmpty() && shown != "ALT+F4" && action != window.Action(kCmdRedo)) {
        QCOMPARE(action->shortcuts(), QList<QKeySequence>({QKeySequence(shown)}));
      }
    }
    QCOMPARE(window.Action(kCmdAbout)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Alt+/"), QKeySequence("Alt+?")}));
    QCOMPARE(window.Action(kCmdOptions)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+O")}));
    QVERIFY(window.Action(kCmdCreateByPieces)->shortcuts().isEmpty());
    QCOMPARE(window.Action(kCmdRedo)->shortcuts(),
             QList<QKeySequence>({QKeySequence("Ctrl+Y"), QKeySequence("Ctrl+Shift+Z")}));
  }

  void TheWindowIsTitledAndCarriesTheProgramIcon() {
    WindowFixture fixture;
    QCOMPARE(fixture.window().windowTitle(), QString("Kelvane"));
    QVERIFY(fixture.window().windowIcon().availableSizes().contains(QSize(32, 32)));
  }

  void OnlyTheHidePieceItemsCarryCheckMarks() {
    WindowFixture fixture;
    for (const int id : kCmdHidePiece) {
      QVERIFY(fixture.window().Action(id)->isCheckable());
    }
    QVERIFY(!fixture.window().Action(kCmdRemovePiece)->isCheckable());
  }

  // Guards against the toolkit's own look: a shortcut text the table gives no item, and empty
  // check boxes beside unchecked items.
  void ItemsShowOnlyTheTableShortcutTextsAndBareCheckMarks() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    const auto* help = qobject_cast<const TableMenu*>(TopMenu(window, "&Help"));
    QVERIFY(help != nullptr);
    QStyleOptionMenuItem look;
    help->initStyleOption(&look, window.Action(kCmdAbout));
    QCOMPARE(look.text, QString("&About ..."));
    help->initStyleOption(&look, window.Action(kCmdUserManual));
    QCOMPARE(look.text, QString("&User manual\tF1"));

    const auto* hide =
        qobject_cast<const TableMenu*>(Submenu(TopMenu(window, "&Field"), "Hide piece"));
    QVERIFY(hide != nullptr);
    QAction* first = window.Action(kCmdHidePiece[0]);
    for (const bool checked : {false, true}) {
      first->setChecked(checked);
      hide->initStyleOption(&look, first);
      QCOMPARE(look.checkType, QStyleOptionMenuItem::NotCheckable);
      QCOMPARE(look.icon.isNull(), !checked);
    }
  }
};

namespace {
const RegisterTest<MenuTest> registered("MenuTest");
}

}  // namespace kelvane::testing

#include "menu_test.moc"
