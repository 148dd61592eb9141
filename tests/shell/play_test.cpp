// A whole game played through the window's own handlers, as a player would: choose a piece in
// the panel, turn it with the popup, pick the layer with the wheel, click the cell.
#include <QContextMenuEvent>
#include <QFile>
#include <QTest>
#include <vector>

#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "model/orientation.h"
#include "render/layout.h"
#include "test_registry.h"
#include "window_fixture.h"

namespace kelvane::testing {

namespace {

struct Cell {
  int x, y, z;
};

// A completion of the default figure, piece by piece.
const std::vector<std::vector<Cell>> kSolution = {
    {{0, 0, 0}, {0, 0, 1}, {0, 0, 2}, {0, 1, 0}},
    {{0, 2, 2}, {1, 2, 1}, {1, 2, 2}, {2, 2, 2}},
    {{0, 1, 1}, {0, 1, 2}, {0, 2, 0}, {0, 2, 1}},
    {{1, 0, 0}, {2, 0, 0}, {2, 0, 1}, {2, 1, 1}},
    {{1, 0, 1}, {1, 0, 2}, {2, 0, 2}, {2, 1, 2}},
    {{1, 2, 0}, {2, 1, 0}, {2, 2, 0}, {2, 2, 1}},
    {{1, 3, 0}, {1, 3, 1}, {1, 4, 0}},
};

// The piece's cells moved to the origin corner, as its grid holds them, and that corner.
CellGrid ShapeOf(int piece, const std::vector<Cell>& cells, Cell& corner) {
  corner = cells.front();
  for (const Cell& c : cells) {
    corner = {std::min(corner.x, c.x), std::min(corner.y, c.y), std::min(corner.z, c.z)};
  }
  CellGrid shape;
  for (const Cell& c : cells) {
    shape.at(c.x - corner.x, c.y - corner.y, c.z - corner.z) = PieceCellValue(piece - 1);
  }
  return shape;
}

class Player {
 public:
  explicit Player(WindowFixture& fixture) : fixture_(fixture), window_(fixture.window()) {}

  void ChoosePiece(int piece) {
    PiecePanel& panel = window_.Panel();
    QTest::mouseClick(panel.viewport(), Qt::LeftButton, {},
                      panel.visualItemRect(panel.item(piece)).center());
  }

  // Opens the popup with a right click and chooses the item showing `shape`.
  bool TurnTo(int piece, const CellGrid& shape) {
    FieldView& field = window_.Field();
    // What the window system sends for a right click.
    QContextMenuEvent request(QContextMenuEvent::Mouse, QPoint(5, 5),
                              field.mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(&field, &request);
    auto* popup = window_.findChild<OrientationPopup*>();
    if (popup == nullptr) {
      return false;
    }
    for (int item = 0; item < popup->ItemCount(); ++item) {
      if (GridEquals(OrientationSlot(fixture_.game(), piece - 1, item), shape)) {
        QTest::mouseClick(popup, Qt::LeftButton, {}, popup->ItemRect(item).center());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return true;
      }
    }
    return false;
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

  void Lay(int piece, const std::vector<Cell>& cells) {
    Cell corner{};
    const CellGrid shape = ShapeOf(piece, cells, corner);
    ChoosePiece(piece);
    QVERIFY(TurnTo(piece, shape));
    GoToLayer(corner.z);
    ClickCell(corner.x, corner.y);
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
  for (const BoxShown& box : fixture.boxes) {
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
    for (int piece = 1; piece <= 7; ++piece) {
      player.Lay(piece, kSolution[piece - 1]);
      for (const Cell& c : kSolution[piece - 1]) {
        QCOMPARE(fixture.game().field.at(c.x, c.y, c.z), PieceCellValue(piece - 1));
      }
      QCOMPARE(WinMessages(fixture), piece == 7 ? 1 : 0);
    }
    // With every piece laid there is nothing left to analyse.
    QVERIFY(!window.Action(kCmdTestPuzzle)->isEnabled());
    QVERIFY(window.Action(kCmdHidePiece[6])->isEnabled());
    QCOMPARE(fixture.boxes.front().caption, std::string("Kelvane"));
    QCOMPARE(fixture.boxes.front().style, MessageStyle::Information);

    // Picking the last piece up and laying it again is not a second win.
    player.ChoosePiece(0);
    player.ClickCell(1, 3);
    QCOMPARE(window.Panel().Selection(), 7);
    player.ClickCell(1, 3);
    QCOMPARE(WinMessages(fixture), 1);

    window.close();
    QVERIFY(QFile::exists(fixture.WorkingFolder() + "/Kelvane.ini"));
  }

  void AnIllegalClickLaysNothing() {
    WindowFixture fixture;
    MainWindow& window = fixture.window();
    window.show();
    Player player(fixture);
    player.ChoosePiece(7);
    const CellGrid before = fixture.game().field;
    // (2, 4) lies in the Figure's box but off the Figure.
    player.ClickCell(2, 4);
    QVERIFY(GridEquals(before, fixture.game().field));
  }
};

namespace {
const RegisterTest<PlayTest> registered("PlayTest");
}

}  // namespace kelvane::testing

#include "play_test.moc"
