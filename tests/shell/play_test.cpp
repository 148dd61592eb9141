// SPDX-License-Identifier: GPL-3.0-or-later
// A whole game played through the window's own handlers, as a player would: choose a piece in
// the panel, turn it with the popup, pick the layer with the wheel, click the cell.
#include <QContextMenuEvent>
#include <QFile>
#include <QTest>
#include <vector>

#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "render/layout.h"
#include "support/default_solution.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

class Player {
 public:
  explicit Player(WindowFixture& fixture) : fixture_(fixture), window_(fixture.window()) {}

  void ChoosePiece(int piece) {
    PiecePanel& panel = window_.Panel();
    QTest::mouseClick(panel.viewport(), Qt::LeftButton, {},
                      panel.visualItemRect(panel.item(piece)).center());
  }

  // Opens the popup with a right click and chooses item `slot`.
  void TurnTo(int slot) {
    FieldView& field = window_.Field();
    // What the window system sends for a right click.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &request);
    auto* popup = window_.findChild<OrientationPopup*>();
    QVERIFY(popup != nullptr);
    QTest::mouseClick(popup, Qt::LeftButton, {}, popup->ItemRect(slot).center());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  void GoToLayer(int layer) {
    while (fixture_.game().currentLayer != layer) {
      Wheel(layer > fixture_.game().currentLayer ? 120 : -120);
    }
  }

  // Clicks the middle of the floor diamond of (x, y) on the current layer.
  void ClickCell(int x, int y) {
    const Game& game = fixture_.game();
    const CubeGeometry g = game.fieldGeometry;
    const Point origin = FigureOrigin(g, HelperOrigin(game));
    const QPoint middle(origin.x + (x - y) * g.W,
                        origin.y + (x + y) * g.R - game.currentLayer * g.E + g.R);
    QTest::mouseMove(&window_.Field(), middle);
    QTest::mouseClick(&window_.Field(), Qt::LeftButton, {}, middle);
  }

  void Lay(const Placement& p) {
    ChoosePiece(p.piece);
    TurnTo(p.slot);
    GoToLayer(p.layer);
    ClickCell(p.x, p.y);
  }

 private:
  void Wheel(int delta) {
    FieldView& field = window_.Field();
    QWheelEvent event(QPointF(5, 5), field.mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, delta),
                      Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&field, &event);
  }

  WindowFixture& fixture_;
  MainWindow& window_;
};

int WinMessages(const WindowFixture& fixture) {
  int count = 0;
  for (const ShownMessage& box : fixture.boxes.messages) {
    count += box.text == "Congratulations! The game is won." ? 1 : 0;
  }
  return count;
}

}  // namespace

class PlayTest : public QObject {
  Q_OBJECT

 private slots:
  void LayingTheSeventhPieceCongratulatesOnceAndExitWritesTheSettings() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    Player player(fixture);
    for (const Placement& p : kDefaultFigureSolution) {
      player.Lay(p);
      QVERIFY(PieceOnField(fixture.game(), PieceCellValue(p.piece - 1)));
      QCOMPARE(WinMessages(fixture), p.piece == 7 ? 1 : 0);
    }
    // With every piece laid there is nothing left to analyse.
    QVERIFY(!window.Action(kCmdTestPuzzle)->isEnabled());
    QVERIFY(window.Action(kCmdHidePiece[6])->isEnabled());
    QCOMPARE(fixture.boxes.messages.front().caption, std::string("Kelvane"));
    QCOMPARE(fixture.boxes.messages.front().style, MessageStyle::Information);

    // Picking the last piece up and laying it again is not a second win.
    player.ChoosePiece(0);
    player.GoToLayer(2);
    player.ClickCell(1, 0);
    QCOMPARE(window.Panel().Selection(), 7);
    player.ClickCell(1, 0);
    QCOMPARE(WinMessages(fixture), 1);

    window.close();
    QVERIFY(QFile::exists(fixture.WorkingFolder() + "/Kelvane.ini"));
  }
};

namespace {
const RegisterTest<PlayTest> registered("PlayTest");
}

}  // namespace kelvane::testing

#include "play_test.moc"
