// SPDX-License-Identifier: GPL-3.0-or-later
// A player's session through real input events: a piece picked, turned and laid, a library
// figure started from New game, a figure created cube by cube and saved, and Exit; then the files
// the game wrote, byte for byte.
#include <QTest>
#include <algorithm>
#include <set>

#include "cell_targets.h"
#include "creation/create_puzzle.h"
#include "model/field_input.h"
#include "model/placement.h"
#include "shell/test_registry.h"
#include "storage/text_case.h"
#include "support/fake_platform.h"
#include "x_session.h"

namespace kelvane::e2e {
namespace {

// The figure created cube by cube, (x, y, layer), placed away from the corner so that saving
// must move it there. Its file, as the game must write it:
constexpr int kCreatedCubes[27][3] = {
    {2, 3, 0}, {3, 3, 0}, {4, 3, 0}, {2, 4, 0}, {3, 4, 0}, {4, 4, 0}, {2, 5, 0},
    {3, 5, 0}, {4, 5, 0}, {2, 3, 1}, {3, 3, 1}, {4, 3, 1}, {2, 4, 1}, {3, 4, 1},
    {4, 4, 1}, {2, 5, 1}, {3, 5, 1}, {4, 5, 1}, {2, 3, 2}, {3, 3, 2}, {4, 3, 2},
    {5, 3, 2}, {2, 4, 2}, {3, 4, 2}, {4, 4, 2}, {5, 4, 2}, {3, 5, 2},
};
const std::string kCreatedFile =
    "[SIZE]\r\nDX = 4\r\nDY = 3\r\nDZ = 3\r\n\r\n"
    "[Z0]\r\nY0 = 1110\r\nY1 = 1110\r\nY2 = 1110\r\n\r\n"
    "[Z1]\r\nY0 = 1110\r\nY1 = 1110\r\nY2 = 1110\r\n\r\n"
    "[Z2]\r\nY0 = 1111\r\nY1 = 1111\r\nY2 = 0100\r\n";

// The library entry the New game list shows last (sorted without regard to letter case).
std::string LastLibraryEntry(const fs::path& puzzles) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(puzzles)) {
    if (entry.path().extension() == ".kvp") {
      names.push_back(entry.path().filename().string());
    }
  }
  std::ranges::sort(names, [](const std::string& a, const std::string& b) {
    return CompareIgnoringCase(a, b) < 0;
  });
  return names.empty() ? "" : names.back();
}

size_t ColourCount(const QImage& image) {
  std::set<QRgb> colours;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      colours.insert(image.pixel(x, y));
    }
  }
  return colours.size();
}

// The first floor cell of layer 0 where the model lays its selected piece without a beep.
std::optional<FloorCell> CellWherePieceFits(const Game& model, int piece) {
  const Extents extents = GridExtents(model.figure);
  for (int y = 0; y < extents.y; ++y) {
    for (int x = 0; x < extents.x; ++x) {
      auto trial = std::make_unique<Game>(model);
      testing::FakePlatform platform;
      platform.selection = piece;
      FieldClick(*trial, platform, FloorCell{x, y});
      if (platform.beeps == 0 && PieceOnField(*trial, static_cast<std::int8_t>(piece + 1))) {
        return FloorCell{x, y};
      }
    }
  }
  return std::nullopt;
}

}  // namespace

class PlaySessionTest : public QObject {
  Q_OBJECT

 private slots:
  void PlayNewGameCreateAndSaveThroughRealInput() {
    XSession x;
    const auto libraryBefore = FolderContent(x.Work());
    const std::string chosen = LastLibraryEntry(x.Work() / "Puzzles");
    QVERIFY(!chosen.empty());
    auto model = NewWindowModel();
    testing::FakePlatform modelPlatform;

    // The window comes up fitted to the default figure and draws it.
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    const QRect first = x.Geometry(window);
    const Size required = RequiredClientSize(*model);
    QCOMPARE(first.width(), required.width);
    const int menuBar = first.height() - required.height;
    QVERIFY(menuBar > 0 && menuBar < 100);
    ClientArea client = ClientOf(first, menuBar);
    const QRect view = FieldViewOnScreen(*model, client);
    const auto settledField = [&] {
      x.MoveMouse(client.left + 2, client.top + 2);
      QTest::qWait(400);
      return x.Capture().copy(view);
    };
    const QImage atStart = settledField();
    QVERIFY2(ColourCount(atStart) > 16, "the field shows no figure");

    // Piece 3: clicked in the panel as piece 2, then one down with the arrow key; turned with
    // X, Y and Z; laid where the same moves lay it in the model.
    const Rect panel = LayOutClient(*model).panel;
    x.MoveMouse(client.left + panel.left + panel.Width() / 2, client.top + panel.top + 2 * 64 + 32);
    x.Click();
    x.Keys({"Down", "x", "y", "z"});
    modelPlatform.selection = 3;
    for (int key : {'X', 'Y', 'Z'}) {
      TurnSelectedPiece(*model, modelPlatform, key);
    }
    const std::optional<FloorCell> fits = CellWherePieceFits(*model, 3);
    QVERIFY(fits.has_value());
    const std::optional<QPoint> target = FloorCellOnScreen(*model, client, *fits);
    QVERIFY(target.has_value());
    x.MoveMouse(target->x(), target->y());
    x.Click();
    const QImage afterPlay = settledField();
    QVERIFY2(afterPlay != atStart, "the laid piece is not drawn");

    // New game: the last entry of the list, by keyboard.
    x.Focus(window);
    x.Keys({"ctrl+n"});
    const QString newGame = x.WaitForWindow("New game");
    QVERIFY(!newGame.isEmpty());
    x.Focus(newGame);
    x.Keys({"End", "Return"});
    QVERIFY(x.WaitForWindowGone("New game"));
    QVERIFY2(settledField() != afterPlay, "the new figure is not drawn");

    // Create by cubes: three layers clicked in, one cube clicked twice (in and out again).
    x.Focus(window);
    x.Keys({"ctrl+c"});
    QTest::qWait(400);
    client = ClientOf(x.Geometry(window), menuBar);
    CreatePuzzle(*model, modelPlatform, CreateMode::ByCubes);
    const auto clickCell = [&](int cellX, int cellY) {
      const std::optional<QPoint> point =
          FloorCellOnScreen(*model, client, FloorCell{cellX, cellY});
      QVERIFY(point.has_value());
      x.MoveMouse(point->x(), point->y());
      x.Click();
    };
    for (int layer = 0; layer < 3; ++layer) {
      if (layer > 0) {
        x.Keys({"ctrl+Up"});
      }
      model->currentLayer = layer;
      for (const auto& cube : kCreatedCubes) {
        if (cube[2] == layer) {
          clickCell(cube[0], cube[1]);
        }
      }
    }
    clickCell(7, 7);
    clickCell(7, 7);

    // Save puzzle under a name with a space in it.
    x.Focus(window);
    x.Keys({"ctrl+s"});
    const QString save = x.WaitForWindow("Save puzzle");
    QVERIFY2(!save.isEmpty(), "no Save puzzle dialog (was the figure complete?)");
    x.Focus(save);
    x.Type("e2e figure");
    x.Keys({"Return"});
    QVERIFY(x.WaitForWindowGone("Save puzzle"));
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);

    auto expected = libraryBefore;
    AddFilesWrittenAtExit(expected, chosen, kCreatedFile);
    expected["Puzzles/e2e figure.kvp"] = kCreatedFile;
    const auto after = FolderContent(x.Work());
    for (const char* file : {"Kelvane.ini", "Puzzles/e2e figure.kvp"}) {
      QCOMPARE(QByteArray::fromStdString(FileBytes(x.Work() / file)),
               QByteArray::fromStdString(expected[file]));
    }
    QVERIFY2(after == expected, ChangedFiles(expected, after).c_str());
  }

  // Ctrl+Z and Ctrl+Y change the picture back and forth; the next start continues it; a garbage
  // kept game gives the default figure without a message and is kept aside.
  void UndoRedoByKeysAndTheGameContinuedAfterExit() {
    XSession x;
    auto model = NewWindowModel();
    testing::FakePlatform modelPlatform;
    const QString window = x.Start();
    QVERIFY(!window.isEmpty());
    const QRect first = x.Geometry(window);
    const ClientArea client = ClientOf(first, first.height() - RequiredClientSize(*model).height);
    const QRect view = FieldViewOnScreen(*model, client);
    const auto settledField = [&] {
      x.MoveMouse(client.left + 2, client.top + 2);
      QTest::qWait(400);
      return x.Capture().copy(view);
    };
    const QImage atStart = settledField();

    // Pieces 1 and 2, chosen in the panel, laid where they fit in the model.
    const Rect panel = LayOutClient(*model).panel;
    for (int piece = 1; piece <= 2; ++piece) {
      x.MoveMouse(client.left + panel.left + panel.Width() / 2,
                  client.top + panel.top + piece * 64 + 32);
      x.Click();
      modelPlatform.selection = piece;
      const std::optional<FloorCell> fits = CellWherePieceFits(*model, piece);
      QVERIFY(fits.has_value());
      FieldClick(*model, modelPlatform, *fits);
      const std::optional<QPoint> target = FloorCellOnScreen(*model, client, *fits);
      QVERIFY(target.has_value());
      x.MoveMouse(target->x(), target->y());
      x.Click();
    }
    const QImage laid = settledField();
    QVERIFY2(laid != atStart, "the laid pieces are not drawn");
    x.Focus(window);
    x.Keys({"ctrl+z", "ctrl+z"});
    QVERIFY2(settledField() == atStart, "Ctrl+Z did not take both pieces back");
    x.Keys({"ctrl+y", "ctrl+shift+z"});
    QVERIFY2(settledField() == laid, "Ctrl+Y and Ctrl+Shift+Z did not lay them again");
    QCOMPARE(x.ExitThroughMenu(window).value_or(-1), 0);

    const QString again = x.Start();
    QVERIFY(!again.isEmpty());
    QVERIFY2(settledField() == laid, "the next start did not continue the game");
    QCOMPARE(x.ExitThroughMenu(again).value_or(-1), 0);

    WriteBytes(x.Work() / "KeptGame.ini", "garbage\n");
    const QString fresh = x.Start();
    QVERIFY(!fresh.isEmpty());
    QVERIFY2(settledField() == atStart, "not the default figure, or a message over it");
    QCOMPARE(FileBytes(x.Work() / "KeptGame.ini.bad"), std::string("garbage\n"));
    QCOMPARE(x.ExitThroughMenu(fresh).value_or(-1), 0);
  }
};

namespace {
const testing::RegisterTest<PlaySessionTest> registered("PlaySessionTest");
}  // namespace

}  // namespace kelvane::e2e

#include "play_session_test.moc"
