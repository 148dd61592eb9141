// SPDX-License-Identifier: GPL-3.0-or-later
// Playing from the keyboard: Tab between panel and field, the field's cursor keys, and the pointer
// taking the preview back.
#include <QTest>

#include "model/field_cursor.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void TabArrowsEnterAndTheMenuKeyPlayOnTheField() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    Game& game = fixture.game();
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PiecePanel& panel = window.Panel();
    FieldView& field = window.Field();
    panel.setFocus();
    panel.Select(0);
    QTest::keyClick(&panel, Qt::Key_Down);  // the panel's own arrows still choose the piece
    QCOMPARE(panel.Selection(), 1);
    QVERIFY(!FieldCursorCell(game));

    QTest::keyClick(&panel, Qt::Key_Tab);
    QVERIFY(field.hasFocus());
    QCOMPARE(FieldCursorCell(game), (FloorCell{0, 0}));
    QTest::keyClick(&field, Qt::Key_Menu);
    auto* popup = window.findChild<OrientationPopup*>();
    QVERIFY(popup != nullptr && popup->isVisible());
    QTest::keyClick(popup, Qt::Key_Escape);

    game.pieceGrids[0] = OrientationSlot(game, 0, 0);  // fits at (0, 0)
    QTest::keyClick(&field, Qt::Key_Return);
    QVERIFY(PieceOnField(game, PieceCellValue(0)));
    QTest::keyClick(&field, Qt::Key_Space);  // piece 1 is on the field: Space picks it up
    QVERIFY(!PieceOnField(game, PieceCellValue(0)));
    QTest::keyClick(&field, Qt::Key_Right);

    // Ctrl with an arrow keeps its menu meaning: a turn of the view, not a cursor step.
    QTest::keyClick(&field, Qt::Key_Left, Qt::ControlModifier);
    QCOMPARE(GridExtents(game.figure).x, 5);
    QCOMPARE(FieldCursorCell(game), (FloorCell{1, 0}));

    QTest::mouseMove(&field, QPoint(3, 3));
    QVERIFY(!FieldCursorCell(game));
  }
};

namespace {
const RegisterTest<KeyboardTest> registered("KeyboardTest");
}

}  // namespace kelvane::testing

#include "keyboard_test.moc"
