// A player's session through real input events: the window with the default figure, a piece
// picked, turned and laid, a library figure started from New game, a figure created cube by cube
// and saved, and Exit; then the files the game wrote, byte for byte.
#include <gtest/gtest.h>

#include <algorithm>

#include "cell_targets.h"
#include "creation/create_puzzle.h"
#include "game_session.h"
#include "model/field_input.h"
#include "model/placement.h"
#include "storage/text_case.h"
#include "support/fake_platform.h"

namespace kelvane::e2e {
namespace {

constexpr milliseconds kDialogTimeout(10000);
constexpr milliseconds kSettle(400);

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

std::string SettingsWithPuzzle(const std::string& puzzle) {
  return "[LAST]\r\nPUZZLE = " + puzzle +
         "\r\n\r\n[OPTIONS]\r\nCOLOR_BACK = 13158600\r\nCOLOR_INK = 9868950\r\nSCALE = 4\r\n"
         "SHOW_CHECKERS = 1\r\nSHOW_HELPERS = 1\r\nSKIN_INDEX = 1\r\n\r\n";
}

// The library entry the New game list shows last (sorted without regard to letter case).
std::string LastLibraryEntry(const fs::path& puzzles) {
  std::vector<std::string> names;
  for (const fs::directory_entry& entry : fs::directory_iterator(puzzles)) {
    if (entry.is_regular_file() && entry.path().extension() == ".kvp") {
      names.push_back(entry.path().filename().string());
    }
  }
  std::ranges::sort(names, [](const std::string& a, const std::string& b) {
    return CompareIgnoringCase(a, b) < 0;
  });
  return names.empty() ? "" : names.back();
}

bool SamePixels(const Screenshot& a, const Screenshot& b, ScreenRect area) {
  for (int y = area.y; y < area.y + area.height; ++y) {
    for (int x = area.x; x < area.x + area.width; ++x) {
      if (a.At(x, y) != b.At(x, y)) {
        return false;
      }
    }
  }
  return true;
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

using PlaySession = GameTest;

TEST_F(PlaySession, PlayNewGameCreateAndSaveThroughRealInput) {
  const auto libraryBefore = FolderContent(WorkingFolder());
  const std::string chosen = LastLibraryEntry(WorkingFolder() / "Puzzles");
  ASSERT_FALSE(chosen.empty()) << "the working folder holds no library";
  auto model = NewWindowModel();
  testing::FakePlatform modelPlatform;
  XDisplay& display = Display();

  // The window comes up fitted to the default figure and draws it.
  const std::string window = StartGame();
  ASSERT_FALSE(window.empty());
  const ScreenRect first = display.Geometry(window).value();
  const Size required = RequiredClientSize(*model);
  EXPECT_EQ(first.width, required.width);
  const int menuBar = first.height - required.height;
  ASSERT_GT(menuBar, 0);
  ASSERT_LT(menuBar, 100);
  ClientArea client = ClientOf(first, menuBar);
  const ScreenRect view = FieldViewOnScreen(*model, client);
  display.MoveMouse(client.left + 2, client.top + 2);
  SleepFor(kSettle);
  const Screenshot atStart = display.Capture();
  EXPECT_GT(atStart.ColourCount(view), 16u) << "the field shows no figure";

  // Piece 3: clicked in the panel as piece 2, then one down with the arrow key; turned with
  // X, Y and Z; laid where the same moves lay it in the model.
  const Rect panel = LayOutClient(*model).panel;
  display.MoveMouse(client.left + panel.left + panel.Width() / 2,
                    client.top + panel.top + 2 * 64 + 32);
  display.Click();
  display.Keys({"Down", "x", "y", "z"});
  modelPlatform.selection = 3;
  for (int key : {'X', 'Y', 'Z'}) {
    TurnSelectedPiece(*model, modelPlatform, key);
  }
  const std::optional<FloorCell> fits = CellWherePieceFits(*model, 3);
  ASSERT_TRUE(fits.has_value());
  const std::optional<Point> target = FloorCellOnScreen(*model, client, *fits);
  ASSERT_TRUE(target.has_value());
  display.MoveMouse(target->x, target->y);
  display.Click();
  display.MoveMouse(client.left + 2, client.top + 2);
  SleepFor(kSettle);
  const Screenshot afterPlay = display.Capture();
  EXPECT_FALSE(SamePixels(atStart, afterPlay, view)) << "the laid piece is not drawn";

  // New game: the last entry of the list, by keyboard.
  display.Focus(window);
  display.Keys({"ctrl+n"});
  const std::optional<std::string> newGame = display.WaitForWindow("New game", kDialogTimeout);
  ASSERT_TRUE(newGame.has_value()) << "no New game dialog";
  display.Focus(*newGame);
  display.Keys({"End", "Return"});
  EXPECT_TRUE(WaitUntil([&] { return !display.WindowExists("New game"); }, kDialogTimeout));
  SleepFor(kSettle);
  const Screenshot afterNewGame = display.Capture();
  EXPECT_FALSE(SamePixels(afterPlay, afterNewGame, view)) << "the new figure is not drawn";

  // Create by cubes: three layers clicked in, one cube clicked twice (in and out again).
  display.Focus(window);
  display.Keys({"ctrl+c"});
  SleepFor(kSettle);
  client = ClientOf(display.Geometry(window).value(), menuBar);
  CreatePuzzle(*model, modelPlatform, CreateMode::ByCubes);
  const auto clickCell = [&](int x, int y) {
    const std::optional<Point> point = FloorCellOnScreen(*model, client, FloorCell{x, y});
    ASSERT_TRUE(point.has_value()) << "cell " << x << "," << y;
    display.MoveMouse(point->x, point->y);
    display.Click();
  };
  for (int layer = 0; layer < 3; ++layer) {
    if (layer > 0) {
      display.Keys({"ctrl+Up"});
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
  display.Focus(window);
  display.Keys({"ctrl+s"});
  const std::optional<std::string> save = display.WaitForWindow("Save puzzle", kDialogTimeout);
  ASSERT_TRUE(save.has_value()) << "no Save puzzle dialog (was the figure complete?)";
  display.Focus(*save);
  display.Type("e2e figure");
  display.Keys({"Return"});
  EXPECT_TRUE(WaitUntil([&] { return !display.WindowExists("Save puzzle"); }, kDialogTimeout));

  EXPECT_EQ(ExitThroughMenu(window), 0);

  auto after = FolderContent(WorkingFolder());
  EXPECT_EQ(after["Kelvane.ini"], SettingsWithPuzzle(chosen));
  EXPECT_EQ(after["Puzzles/e2e figure.kvp"], kCreatedFile);
  after.erase("Kelvane.ini");
  after.erase("Puzzles/e2e figure.kvp");
  EXPECT_EQ(after, libraryBefore) << "the game wrote or changed other files";
}

}  // namespace
}  // namespace kelvane::e2e
