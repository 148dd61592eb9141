// SPDX-License-Identifier: GPL-3.0-or-later
// Playing through the window's own handlers: the piece panel (click, double click, wheel, keys),
// the orientation popup, clicks and keys on the field, to a won game.
#include <QContextMenuEvent>
#include <QFile>
#include <QScrollBar>
#include <QTest>
#include <algorithm>
#include <utility>

#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "model/field_cursor.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "render/layout.h"
#include "support/default_solution.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

QPoint ItemCentre(PiecePanel& panel, int item) {
  return panel.visualItemRect(panel.item(item)).center();
}

void ClickItem(PiecePanel& panel, int item, Qt::KeyboardModifiers modifiers = {}) {
  QTest::mouseClick(panel.viewport(), Qt::LeftButton, modifiers, ItemCentre(panel, item));
}

void TurnWheelOver(QWidget* widget, int delta) {
  QWheelEvent event(QPointF(5, 5), widget->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                    Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(widget, &event);
}

// What the window system sends for a right click; returns the popup it opened.
OrientationPopup* RequestPopup(MainWindow& window, QWidget* widget, QPoint at) {
  QContextMenuEvent request(QContextMenuEvent::Mouse, at, widget->mapToGlobal(at));
  QApplication::sendEvent(widget, &request);
  return window.findChild<OrientationPopup*>();
}

// Chooses the piece in the panel, turns it in the popup, finds the layer with the wheel and
// clicks the middle of the cell's floor diamond.
void Lay(WindowFixture& fixture, const Placement& p) {
  MainWindow& window = fixture.window();
  const Game& game = fixture.game();
  ClickItem(window.Panel(), p.piece);
  OrientationPopup* popup = RequestPopup(window, &window.Field(), QPoint(5, 5));
  QVERIFY(popup != nullptr);
  QTest::mouseClick(popup, Qt::LeftButton, {}, popup->ItemRect(p.slot).center());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  while (game.currentLayer != p.layer) {
    TurnWheelOver(&window.Field(), p.layer > game.currentLayer ? 120 : -120);
  }
  const CubeGeometry g = game.fieldGeometry;
  const Point origin = FigureOrigin(g, HelperOrigin(game));
  const QPoint middle(origin.x + (p.x - p.y) * g.W,
                      origin.y + (p.x + p.y) * g.R - game.currentLayer * g.E + g.R);
  QTest::mouseMove(&window.Field(), middle);
  QTest::mouseClick(&window.Field(), Qt::LeftButton, {}, middle);
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void LayingTheSeventhPieceCongratulatesAndExitWritesTheSettings() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (const Placement& p : kDefaultFigureSolution) {
      Lay(fixture, p);
      QVERIFY(PieceOnField(fixture.game(), PieceCellValue(p.piece - 1)));
      QVERIFY(fixture.boxes.messages.empty());
    }
    // The figure lights up; a key cuts that short and goes to the congratulation, not the game.
    QTest::keyClick(&window.Field(), Qt::Key_Return);
    QCOMPARE(fixture.boxes.messages.size(), std::size_t{1});
    QVERIFY(PieceOnField(fixture.game(), PieceCellValue(6)));
    const ShownMessage& won = fixture.boxes.messages.front();
    QCOMPARE(won.text, std::string("Congratulations! The game is won."));
    QCOMPARE(won.caption, std::string("Kelvane"));
    QCOMPARE(won.style, MessageStyle::Information);
    window.close();
    QVERIFY(QFile::exists(fixture.WorkingFolder() + "/Kelvane.ini"));
  }

  // Turn keys in the panel, Tab to the field, its cursor keys, and the pointer taking the
  // preview back.
  void KeysPlayFromThePanelAndOnTheField() {
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
    // One quarter turn a press: four give the start.
    const CellGrid start = game.pieceGrids[0];
    QTest::keyClick(&panel, Qt::Key_X);
    QVERIFY(!GridEquals(start, game.pieceGrids[0]));
    for (int turn = 0; turn < 3; ++turn) {
      QTest::keyClick(&panel, Qt::Key_X);
    }
    QVERIFY(GridEquals(start, game.pieceGrids[0]));
    for (const Qt::KeyboardModifier modifier : {Qt::ControlModifier, Qt::AltModifier}) {
      QTest::keyClick(&panel, Qt::Key_X, modifier);  // modified, still one turn
      for (int turn = 0; turn < 3; ++turn) {
        QTest::keyClick(&panel, Qt::Key_X);
      }
      QVERIFY(GridEquals(start, game.pieceGrids[0]));
    }

    QTest::keyClick(&panel, Qt::Key_Tab);
    QVERIFY(field.hasFocus());
    QCOMPARE(FieldCursorCell(game), (FloorCell{0, 0}));
    QTest::keyClick(&field, Qt::Key_Menu);
    auto* popup = window.findChild<OrientationPopup*>();
    QVERIFY(popup != nullptr && popup->isVisible());
    // Left and Right cross the columns at the same height, wrapping.
    QTest::keyClick(popup, Qt::Key_Down);
    QTest::keyClick(popup, Qt::Key_Right);
    const QRect beside = popup->ItemRect(popup->Highlighted());
    QVERIFY(beside.left() > popup->ItemRect(0).left() && beside.top() == popup->ItemRect(0).top());
    QTest::keyClick(popup, Qt::Key_Left);
    QCOMPARE(popup->Highlighted(), 0);
    QTest::keyClick(popup, Qt::Key_Left);
    QCOMPARE(popup->ItemRect(popup->Highlighted()).right(), popup->width() - 2);
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

  // Guards against the toolkit's list habits: Ctrl+click unselecting, a right click selecting.
  void OnlyAPlainLeftClickMovesTheSelectionAndThePopupIsTheSelectedPiece() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    PiecePanel& panel = window.Panel();
    QCOMPARE(panel.Selection(), -1);
    ClickItem(panel, 6);
    ClickItem(panel, 6, Qt::ControlModifier);
    QCOMPARE(panel.Selection(), 6);
    QTest::mousePress(panel.viewport(), Qt::RightButton, {}, ItemCentre(panel, 2));
    OrientationPopup* popup = RequestPopup(window, panel.viewport(), ItemCentre(panel, 2));
    QTest::mouseRelease(panel.viewport(), Qt::RightButton, {}, ItemCentre(panel, 2));
    QCOMPARE(panel.Selection(), 6);
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->ItemCount(), 8);  // piece 6's eight orientations, not piece 2's twelve
    popup->close();
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
    QCOMPARE(panel.verticalScrollBar()->value(), scrolled);
  }

  // Even a piece that is not on the Field; the no-piece item hides nothing. The menu's marks
  // follow, and a hidden piece removed stays checked but greys.
  void DoubleClickTogglesTheHideFlagOfThatPiece() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    PiecePanel& panel = window.Panel();
    const std::pair<int, int> steps[] = {{3, 1}, {3, 0}, {0, 0}, {3, 1}};  // item, then flag
    for (const auto& [item, hidden] : steps) {
      ClickItem(panel, item);
      QTest::mouseDClick(panel.viewport(), Qt::LeftButton, {}, ItemCentre(panel, item));
      QCOMPARE(fixture.game().hideFlags[2], hidden);
      QCOMPARE(std::ranges::count(fixture.game().hideFlags, 1), hidden);
      QCOMPARE(window.Action(kCmdHidePiece[2])->isChecked(), hidden == 1);
    }
    fixture.game().field.at(0, 0, 0) = 4;  // piece 3 lies on the Field
    ClickItem(panel, 0);
    QVERIFY(!window.Action(kCmdRemovePiece)->isEnabled());
    ClickItem(panel, 3);
    QVERIFY(window.Action(kCmdRemovePiece)->isEnabled());
    window.RunCommand(kCmdRemovePiece);
    QVERIFY(!window.Action(kCmdHidePiece[2])->isEnabled());
    QVERIFY(window.Action(kCmdHidePiece[2])->isChecked());
  }

  void PopupColumnsFollowTheOrientationCount_data() {
    QTest::addColumn<int>("piece");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QPoint>("lastItem");
    // Piece 1 has 24 orientations, piece 2 has 12 and piece 6 has 8; columns are 64 wide with a
    // one-pixel divider between them, inside a one-pixel frame.
    QTest::newRow("three columns of 8")
        << 1 << QSize(3 * 64 + 2 + 2, 8 * 64 + 2) << QPoint(131, 449);
    QTest::newRow("two columns of 6") << 2 << QSize(2 * 64 + 1 + 2, 6 * 64 + 2) << QPoint(66, 321);
    QTest::newRow("one column of 8") << 6 << QSize(64 + 2, 8 * 64 + 2) << QPoint(1, 449);
  }

  // Up from no highlight wraps to the last item, and Return gives the piece that orientation.
  void PopupColumnsFollowTheOrientationCount() {
    QFETCH(int, piece);
    QFETCH(QSize, size);
    QFETCH(QPoint, lastItem);
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    QVERIFY(window.OpenOrientationPopup(QPoint(100, 100)) == nullptr);  // no piece selected
    window.Panel().Select(piece);
    OrientationPopup* popup = window.OpenOrientationPopup(QPoint(100, 100));
    QVERIFY(popup != nullptr);
    QCOMPARE(popup->size(), size);
    const int last = popup->ItemCount() - 1;
    QCOMPARE(popup->ItemRect(last).topLeft(), lastItem);
    QTest::keyClick(popup, Qt::Key_Up);
    QTest::keyClick(popup, Qt::Key_Return);
    const Game& game = fixture.game();
    QVERIFY(GridEquals(game.pieceGrids[piece - 1], OrientationSlot(game, piece - 1, last)));
  }
};

namespace {
const RegisterTest<PlayTest> registered("PlayTest");
}

}  // namespace kelvane::testing

#include "play_test.moc"
