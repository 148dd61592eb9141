// SPDX-License-Identifier: GPL-3.0-or-later
// A player's session through real input events: a piece picked, turned and laid, taken back and
// laid again by keys, the game continued at the next start, a library figure started from New
// game, a figure created cube by cube and saved, and Exit; then the files the game wrote, byte
// for byte.
#include <QTest>
#include <set>

#include "cell_targets.h"
#include "creation/create_puzzle.h"
#include "model/field_input.h"
#include "model/placement.h"
#include "shell/test_registry.h"
#include "storage/new_game_dialog.h"
#include "storage/puzzle_file.h"
#include "support/fake_platform.h"
#include "x_session.h"

namespace kelvane::e2e {
namespace {

// The figure created cube by cube, clicked in two cells right of and three below the corner so
// that saving must move it there; its file as the game must write it.
constexpr int kCreatedOffsetX = 2;
constexpr int kCreatedOffsetY = 3;
const std::string kCreatedFile =
    "[SIZE]\r\nDX = 4\r\nDY = 3\r\nDZ = 3\r\n\r\n"
    "[Z0]\r\nY0 = 1110\r\nY1 = 1110\r\nY2 = 1110\r\n\r\n"
    "[Z1]\r\nY0 = 1110\r\nY1 = 1110\r\nY2 = 1110\r\n\r\n"
    "[Z2]\r\nY0 = 1111\r\nY1 = 1111\r\nY2 = 0100\r\n";

// The library entry the New game list shows last, by the list's own order.
std::string LastLibraryEntry(const fs::path& work) {
  const fs::path previous = fs::current_path();
  fs::current_path(work);
  const std::vector<std::string> names = ListPuzzleFiles();
  fs::current_path(previous);
  return names.empty() ? "" : names.back();
}

size_t ColourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int i = 0; i < image.width() * image.height(); ++i) {
    colours.insert(image.pixel(i % image.width(), i / image.width()));
  }
  return colours.size();
}

// The first floor cell of layer 0 where the model lays its selected piece without a beep.
std::optional<FloorCell> CellWherePieceFits(const Game& model, int piece) {
  const Extents extents = GridExtents(model.figure);
  for (int i = 0; i < extents.x * extents.y; ++i) {
    const FloorCell cell{i % extents.x, i / extents.x};
    auto trial = std::make_unique<Game>(model);
    testing::FakePlatform platform;
    platform.selection = piece;
    FieldClick(*trial, platform, cell);
    if (platform.beeps == 0 && PieceOnField(*trial, static_cast<std::int8_t>(piece + 1))) {
      return cell;
    }
  }
  return std::nullopt;
}

}  // namespace

class PlaySessionTest : public QObject {
  Q_OBJECT

 private slots:
  void PlayContinueNewGameCreateAndSaveThroughRealInput() {
    XSession x;
    const auto libraryBefore = FolderContent(x.Work());
    const std::string chosen = LastLibraryEntry(x.Work());
    QVERIFY(!chosen.empty());
    auto model = NewWindowModel();
    testing::FakePlatform modelPlatform;

    // The window comes up fitted to the default figure and draws it.
    QString window = x.Start();
    QVERIFY(!window.isEmpty());
    const QRect first = x.Geometry(window);
    const Size required = RequiredClientSize(*model);
    QCOMPARE(first.width(), required.width);
    const int menuBar = first.height() - required.height;
    QVERIFY(menuBar > 0 && menuBar < 100);
    QRect client = first.adjusted(0, menuBar, 0, 0);
    const QRect view = FieldViewOnScreen(*model, client);
    const auto settledField = [&] {
      x.MoveMouse(client.x() + 2, client.y() + 2);
      QTest::qWait(400);
      return x.Capture().copy(view);
    };
    const auto clickCell = [&](FloorCell cell) {
      const std::optional<QPoint> point = FloorCellOnScreen(*model, client, cell);
      QVERIFY(point.has_value());
      x.MoveMouse(point->x(), point->y(), true);
    };
    const QImage atStart = settledField();
    QVERIFY2(ColourCount(atStart) > 16, "the field shows no figure");

    // Piece 3: clicked in the panel as piece 2, then one down with the arrow key; turned with
    // X, Y and Z; laid where the same moves lay it in the model.
    const Rect panel = LayOutClient(*model).panel;
    x.MoveMouse(client.x() + panel.left + panel.Width() / 2, client.y() + panel.top + 2 * 64 + 32,
                true);
    x.Keys({"Down", "x", "y", "z"});
    modelPlatform.selection = 3;
    for (int key : {'X', 'Y', 'Z'}) {
      TurnSelectedPiece(*model, modelPlatform, key);
    }
    const std::optional<FloorCell> fits = CellWherePieceFits(*model, 3);
    QVERIFY(fits.has_value());
    clickCell(*fits);
    const QImage afterPlay = settledField();
    QVERIFY2(afterPlay != atStart, "the laid piece is not drawn");
    x.Focus(window);
    x.Keys({"ctrl+z"});
    QVERIFY2(settledField() == atStart, "Ctrl+Z did not take the piece back");
    x.Keys({"ctrl+y"});
    QVERIFY2(settledField() == afterPlay, "Ctrl+Y did not lay it again");

    // The next start continues the game.
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);
    window = x.Start();
    QVERIFY(!window.isEmpty());
    QVERIFY2(settledField() == afterPlay, "the next start did not continue the game");

    // New game: the last entry of the list, by keyboard.
    x.Focus(window);
    x.Keys({"ctrl+n"});
    const QString newGame = x.WaitForWindow("New game");
    QVERIFY(!newGame.isEmpty());
    x.Focus(newGame);
    x.Keys({"End", "Return"});
    QVERIFY(x.WaitForWindowCount("New game", 0));
    QVERIFY2(settledField() != afterPlay, "the new figure is not drawn");

    // Create by cubes: three layers clicked in, one cube clicked twice (in and out again).
    x.Focus(window);
    x.Keys({"ctrl+c"});
    QTest::qWait(400);
    client = x.Geometry(window).adjusted(0, menuBar, 0, 0);
    CreatePuzzle(*model, modelPlatform, CreateMode::ByCubes);
    CellGrid created;
    QVERIFY(ParsePuzzleText(kCreatedFile, created));
    for (int layer = 0; layer < 3; ++layer) {
      if (layer > 0) {
        x.Keys({"ctrl+Up"});
      }
      model->currentLayer = layer;
      for (int y = 0; y < 3; ++y) {
        for (int cellX = 0; cellX < 4; ++cellX) {
          if (created.at(cellX, y, layer) != 0) {
            clickCell({kCreatedOffsetX + cellX, kCreatedOffsetY + y});
          }
        }
      }
    }
    clickCell({7, 7});
    clickCell({7, 7});

    // Save puzzle under a name with a space in it.
    x.Focus(window);
    x.Keys({"ctrl+s"});
    const QString save = x.WaitForWindow("Save puzzle");
    QVERIFY2(!save.isEmpty(), "no Save puzzle dialog (was the figure complete?)");
    x.Focus(save);
    x.Type("e2e figure");
    x.Keys({"Return"});
    QVERIFY(x.WaitForWindowCount("Save puzzle", 0));
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);

    auto expected = libraryBefore;
    AddFilesWrittenAtExit(expected, chosen, kCreatedFile, "e2e figure");
    expected["Puzzles/e2e figure.kvp"] = kCreatedFile;
    const auto after = GameFolderContent(x.Work());
    QVERIFY2(after == expected, ChangedFiles(expected, after).c_str());
  }
};

namespace {
const testing::RegisterTest<PlaySessionTest> registered("PlaySessionTest");
}  // namespace

}  // namespace kelvane::e2e

#include "play_session_test.moc"
