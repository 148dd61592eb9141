// SPDX-License-Identifier: GPL-3.0-or-later
// The orientation popup: which pieces get one, its columns, and what choosing an item does.
#include <QContextMenuEvent>
#include <QTest>

#include "model/cell_grid.h"
#include "model/orientation.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

class PopupTest : public QObject {
  Q_OBJECT

 private slots:
  void ColumnsFollowTheOrientationCount_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<QSize>("size");
    // Piece 1 has 24 orientations, piece 2 has 12 and piece 6 has 8; columns are 64 wide with a
    // one-pixel divider between them, inside a one-pixel frame.
    QTest::newRow("three columns of 8") << 1 << QSize(3 * 64 + 2 + 2, 8 * 64 + 2);
    QTest::newRow("two columns of 6") << 2 << QSize(2 * 64 + 1 + 2, 6 * 64 + 2);
    QTest::newRow("one column of 8") << 6 << QSize(64 + 2, 8 * 64 + 2);
  }

  void ColumnsFollowTheOrientationCount() {
    QFETCH(int, piece);
    QFETCH(QSize, size);
    WindowFixture fixture;
    fixture.window().Panel().Select(piece);
    OrientationPopup* popup = fixture.window().OpenOrientationPopup(QPoint(100, 100));
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->size(), size);
    popup->close();
  }

  void ChoosingAnItemGivesThePieceThatOrientation() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    window.Panel().Select(2);
    OrientationPopup* popup = window.OpenOrientationPopup(QPoint(100, 100));
    QVERIFY(popup != nullptr);
    QVERIFY(QTest::qWaitForWindowExposed(popup));
    // Item 7 opens the second column and shows orientation 6.
    QCOMPARE(popup->ItemRect(6).topLeft(), QPoint(66, 1));
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->ItemRect(6).center());
    QVERIFY(GridEquals(fixture.game().pieceGrids[1], OrientationSlot(fixture.game(), 1, 6)));
  }

  void TheMenuKeyOnThePanelOpensThePopup() {
    WindowFixture fixture;
    PiecePanel& panel = fixture.window().Panel();
    panel.Select(6);
    QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10),
                              panel.viewport()->mapToGlobal(QPoint(10, 10)));
    QApplication::sendEvent(panel.viewport(), &request);
    auto* popup = fixture.window().findChild<OrientationPopup*>();
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->ItemCount(), 8);
    popup->close();
  }

  void NoPopupWithoutAPieceThatCanTurn() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QVERIFY(window.OpenOrientationPopup(QPoint(100, 100)) == nullptr);
    window.Panel().Select(0);
    QVERIFY(window.OpenOrientationPopup(QPoint(100, 100)) == nullptr);
  }
};

namespace {
const RegisterTest<PopupTest> registered("PopupTest");
}

}  // namespace kelvane::testing

#include "popup_test.moc"
