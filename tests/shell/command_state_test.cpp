// SPDX-License-Identifier: GPL-3.0-or-later
// The menu's enabled and checked marks follow the game after every step the player takes.
#include <QTest>

#include "model/command_ids.h"
#include "model/move_history.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

bool Enabled(MainWindow& window, int id) {
  return window.Action(id)->isEnabled();
}

void ShowActive(MainWindow& window) {
  window.show();
  QVERIFY(QTest::qWaitForWindowActive(&window));
}

}  // namespace

class CommandStateTest : public QObject {
  Q_OBJECT

 private slots:
  void LayerShortcutsMoveOneLayerAndGreyAtTheEnds() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    // The table itself is the core's to test; here only that it is applied from the start.
    QVERIFY(!Enabled(window, kCmdLayerDown));
    QVERIFY(!Enabled(window, kCmdSavePuzzle));
    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 1);
    QVERIFY(Enabled(window, kCmdLayerDown));
    QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 2);
    QVERIFY(!Enabled(window, kCmdLayerUp));
    // A greyed command's key does nothing.
    QTest::keyClick(&window, Qt::Key_Up, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 2);
    QTest::keyClick(&window, Qt::Key_Down, Qt::ControlModifier);
    QCOMPARE(fixture.game().currentLayer, 1);
  }

  void UndoAndRedoKeysFollowTheHistory() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    ShowActive(window);
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
    QVERIFY(Enabled(window, kCmdRedo) && Enabled(window, kCmdRestartPuzzle));
    QTest::keyClick(&window, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(fixture.game().field.at(0, 0, 0), 0);
  }

  void ShownLayerShortcutsStopAtOneAndAtTheTop() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    ShowActive(window);
    QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
    QTest::keyClick(&window, Qt::Key_End, Qt::ControlModifier);
    QCOMPARE(fixture.game().shownLayers, 1);
    QVERIFY(!Enabled(window, kCmdHideDownLayer));
    QVERIFY(Enabled(window, kCmdShowUpLayer));
    QTest::keyClick(&window, Qt::Key_Home, Qt::ControlModifier);
    QCOMPARE(fixture.game().shownLayers, 2);
  }

  void SelectingAPieceOnTheFieldEnablesRemove() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    // Piece 2 lies on the Field; choosing it in the panel makes Remove available.
    fixture.game().field.at(0, 0, 0) = 3;
    window.Panel().Select(2);
    QVERIFY(Enabled(window, kCmdRemovePiece));
    QVERIFY(Enabled(window, kCmdHidePiece[1]));
    window.RunCommand(kCmdHidePiece[1]);
    QVERIFY(window.Action(kCmdHidePiece[1])->isChecked());
    window.RunCommand(kCmdRemovePiece);
    // Removed while hidden: greyed, still checked.
    QVERIFY(!Enabled(window, kCmdHidePiece[1]));
    QVERIFY(window.Action(kCmdHidePiece[1])->isChecked());
  }
};

namespace {
const RegisterTest<CommandStateTest> registered("CommandStateTest");
}

}  // namespace kelvane::testing

#include "command_state_test.moc"
