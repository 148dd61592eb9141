// SPDX-License-Identifier: GPL-3.0-or-later
// The menu bar built from its table, and its enabled and checked marks following the game. Which
// command is greyed when is the core's to test; here that the marks reach the menu.
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyleOptionMenuItem>
#include <QTest>
#include <vector>

#include "model/command_ids.h"
#include "model/move_history.h"
#include "shell/guide_bubble.h"
#include "model/menu_table.h"
#include "shell/table_menu.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

bool Enabled(MainWindow& window, int id) {
  return window.Action(id)->isEnabled();
}

}  // namespace

class MenuTest : public QObject {
  Q_OBJECT

 private slots:
  // The first puzzle comes as one undoable change, with the guide over it until Skip.
  void GuidedFirstPuzzleStartsTheFirstFigureUndoablyUnderTheGuide() {
    WindowFixture fixture;
    WriteTestFile("Puzzles/Well.kvp", CubePuzzleText());
    MainWindow& window = fixture.window();
    const CellGrid before = fixture.game().figure;
    window.RunCommand(kCmdGuidedFirstPuzzle);
    QVERIFY(!GridEquals(fixture.game().figure, before));
    QVERIFY(window.Guide() != nullptr);
    window.RunCommand(kCmdUndo);
    QVERIFY(GridEquals(fixture.game().figure, before));
    window.Guide()->SkipButton().click();
    QVERIFY(window.Guide() == nullptr);
  }

  // Walks the table beside the built bar: each row must be the next item of the menu it is in.
  void TheBarShowsEveryTableRowInOrderWithItsKeys() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QCOMPARE(window.windowTitle(), QString("Kelvane"));
    QVERIFY(window.windowIcon().availableSizes().contains(QSize(32, 32)));
    std::vector<QList<QAction*>> open{window.menuBar()->actions()};
    std::vector<int> next{0};
    for (const MenuEntry& entry : MainMenuTable()) {
      if (entry.kind == MenuEntryKind::EndMenu) {
        open.pop_back();
        next.pop_back();
        continue;
      }
      QVERIFY(next.back() < open.back().size());
      const QAction* item = open.back()[next.back()++];
      QCOMPARE(item->isSeparator(), entry.kind == MenuEntryKind::Separator);
      QCOMPARE(item->menu() != nullptr, entry.kind == MenuEntryKind::Menu);
      if (entry.kind == MenuEntryKind::Menu) {
        QCOMPARE(item->text(), QString(entry.text));
        open.push_back(item->menu()->actions());
        next.push_back(0);
      } else if (entry.kind != MenuEntryKind::Separator) {
        QCOMPARE(item, window.Action(entry.id));
        QCOMPARE(item->text(), QString(entry.text));
        QCOMPARE(item->isCheckable(), entry.checkable);
        QList<QKeySequence> keys;
        for (const char* key : entry.keys) {
          if (key != nullptr) {
            keys << QKeySequence(key);
          }
        }
        QCOMPARE(item->shortcuts(), keys);
        // The key shown after the tab is the first key bound (Alt+F4 is the window manager's).
        const QString shown = item->text().section('\t', 1);
        if (!shown.isEmpty() && shown != "ALT+F4") {
          QCOMPARE(item->shortcuts().value(0), QKeySequence(shown));
        }
      }
    }
    QCOMPARE(next, std::vector<int>{int(window.menuBar()->actions().size())});
  }

  // Guards against the toolkit's own look: a shortcut text the table gives no item, and empty
  // check boxes beside unchecked items.
  void ItemsShowOnlyTheTableShortcutTextsAndBareCheckMarks() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    const auto* help = qobject_cast<const TableMenu*>(window.Action(kCmdAbout)->parent());
    QVERIFY(help != nullptr);
    QStyleOptionMenuItem look;
    help->initStyleOption(&look, window.Action(kCmdAbout));
    QCOMPARE(look.text, QString("&About ..."));
    help->initStyleOption(&look, window.Action(kCmdUserManual));
    QCOMPARE(look.text, QString("&User manual\tF1"));

    QAction* first = window.Action(kCmdHidePiece[0]);
    const auto* hide = qobject_cast<const TableMenu*>(first->parent());
    QVERIFY(hide != nullptr);
    for (const bool checked : {false, true}) {
      first->setChecked(checked);
      hide->initStyleOption(&look, first);
      QCOMPARE(look.checkType, QStyleOptionMenuItem::NotCheckable);
      QCOMPARE(look.icon.isNull(), !checked);
    }
  }

  void LayerKeysRunTheirCommandsUntilGreyed() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QVERIFY(!Enabled(window, kCmdLayerDown));  // applied from the start
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 2);
    QVERIFY(!Enabled(window, kCmdLayerUp) && Enabled(window, kCmdLayerDown));
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 1);
    QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(fixture.game().shownLayers, 1);
    QVERIFY(!Enabled(window, kCmdHideDownLayer));
    QTest::keyClick(&window, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(fixture.game().shownLayers, 2);
  }

  void UndoAndRedoKeysFollowTheHistory() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!Enabled(window, kCmdUndo) && !Enabled(window, kCmdRedo));
    window.Panel().setCurrentRow(7);
    const CellGrid piece = fixture.game().pieceGrids[6];
    // Greyed, Ctrl+Z must not fall through to the Z key that turns the selected piece.
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QVERIFY(GridEquals(fixture.game().pieceGrids[6], piece));
    fixture.game().field.at(0, 0, 0) = 8;  // as if laid
    RecordMove(fixture.game());
    fixture.game().field.Clear();
    window.RunCommand(kCmdRestartPuzzle);  // nothing to restart: no step
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(fixture.game().field.at(0, 0, 0), 8);
    QVERIFY(Enabled(window, kCmdRedo));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.game().field.at(0, 0, 0), 0);
  }
};

namespace {
const RegisterTest<MenuTest> registered("MenuTest");
}

}  // namespace kelvane::testing

#include "menu_test.moc"
