// SPDX-License-Identifier: GPL-3.0-or-later
// The piece panel: selection by click and arrows, hiding by double click, and keys and wheel
// reaching the main window whichever has the focus.
#include <QContextMenuEvent>
#include <QScrollBar>
#include <QTest>

#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

QPoint ItemCentre(PiecePanel& panel, int item) {
  return panel.visualItemRect(panel.item(item)).center();
}

void ClickItem(PiecePanel& panel, int item) {
  QTest::mouseClick(panel.viewport(), Qt::LeftButton, {}, ItemCentre(panel, item));
}

void TurnWheelOver(QWidget* widget, int delta) {
  QWheelEvent event(QPointF(10, 10), widget->mapToGlobal(QPointF(10, 10)), QPoint(),
                    QPoint(0, delta), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

}  // namespace

class PanelTest : public QObject {
  Q_OBJECT

 private slots:
  void ClickAndArrowKeysSelectAndTheMenuFollows() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PiecePanel& panel = window.Panel();
    QCOMPARE(panel.count(), 8);
    QCOMPARE(panel.Selection(), -1);
    fixture.game().field.at(0, 0, 0) = 5;  // piece 4 lies on the Field
    ClickItem(panel, 3);
    QCOMPARE(panel.Selection(), 3);
    QVERIFY(!window.Action(kCmdRemovePiece)->isEnabled());
    QTest::keyClick(panel.viewport(), Qt::Key_Down);
    QCOMPARE(panel.Selection(), 4);
    QVERIFY(window.Action(kCmdRemovePiece)->isEnabled());
  }

  // Guards against the toolkit's list habits: Ctrl+click unselecting, a right click selecting.
  void OnlyAPlainClickMovesTheSelectionAndTheMenuIsTheSelectedPiece() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PiecePanel& panel = window.Panel();
    ClickItem(panel, 6);
    QTest::mouseClick(panel.viewport(), Qt::LeftButton, Qt::ControlModifier, ItemCentre(panel, 6));
    QCOMPARE(panel.Selection(), 6);
    QTest::mousePress(panel.viewport(), Qt::RightButton, {}, ItemCentre(panel, 2));
    QContextMenuEvent request(QContextMenuEvent::Mouse, ItemCentre(panel, 2),
                              panel.viewport()->mapToGlobal(ItemCentre(panel, 2)));
    QApplication::sendEvent(panel.viewport(), &request);
    QTest::mouseRelease(panel.viewport(), Qt::RightButton, {}, ItemCentre(panel, 2));
    QCOMPARE(panel.Selection(), 6);
    auto* popup = window.findChild<OrientationPopup*>();
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->ItemCount(), 8);  // piece 6's eight orientations, not piece 2's twelve
    popup->close();
  }

  void TurnKeysReachTheGameWhileThePanelHasTheFocus() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PiecePanel& panel = window.Panel();
    ClickItem(panel, 1);
    QVERIFY(panel.hasFocus());
    const CellGrid before = fixture.game().pieceGrids[0];
    QTest::keyClick(&panel, Qt::Key_X);
    QVERIFY(!GridEquals(before, fixture.game().pieceGrids[0]));
    // Exactly one quarter turn per press: three more give the start back.
    for (int turn = 0; turn < 3; ++turn) {
      QTest::keyClick(&panel, Qt::Key_X);
    }
    QVERIFY(GridEquals(before, fixture.game().pieceGrids[0]));
    QCOMPARE(panel.Selection(), 1);
  }

  void TheWheelOverThePanelMovesTheLayerAndNeverScrollsTheList() {
    WindowFixture fixture;
    PiecePanel& panel = fixture.window().Panel();
    panel.resize(96, 128);  // small enough that the list could scroll
    const int scrolled = panel.verticalScrollBar()->value();
    TurnWheelOver(panel.viewport(), -120);
    QCOMPARE(fixture.game().currentLayer, 0);
    TurnWheelOver(panel.viewport(), 120);
    QCOMPARE(fixture.game().currentLayer, 1);
    // Guards against a step per notch: over the panel or the field, on a figure of many
    // layers, an event of several notches moves one layer.
    for (int z = 0; z < 10; ++z) {
      fixture.game().figure.at(0, 0, z) = kPlainCube;
    }
    TurnWheelOver(panel.viewport(), 360);
    QCOMPARE(fixture.game().currentLayer, 2);
    TurnWheelOver(&fixture.window().Field(), 240);
    QCOMPARE(fixture.game().currentLayer, 3);
    QCOMPARE(panel.verticalScrollBar()->value(), scrolled);
  }

  // Even a piece that is not on the Field; the no-piece item hides nothing.
  void DoubleClickTogglesTheHideFlagOfThatPiece() {
    WindowFixture fixture;
    PiecePanel& panel = fixture.window().Panel();
    for (const int item : {3, 3, 0}) {
      ClickItem(panel, item);
      QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {}, ItemCentre(panel, item));
    }
    QCOMPARE(fixture.game().hideFlags, (std::array<std::uint8_t, kPieceCount>{}));
    ClickItem(panel, 3);
    QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {}, ItemCentre(panel, 3));
    QCOMPARE(fixture.game().hideFlags[2], 1);
  }
};

namespace {
const RegisterTest<PanelTest> registered("PanelTest");
}

}  // namespace kelvane::testing

#include "panel_test.moc"
