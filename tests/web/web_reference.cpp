// SPDX-License-Identifier: GPL-3.0-or-later
// The native half of the browser test: plays, through the same core and from an empty working
// folder, the session the test then replays in the page, and prints it line by line:
//   frame W H HASH     the client area's picture (FNV-1a over red, green, blue, row by row)
//   press X Y | tap X Y | key CODE | wheel DELTA    an input, in client coordinates and virtual
//                                                   key codes
//   reload             the page is loaded anew
//   won                the game congratulated
//   cube X Y           a click of By cubes that adds a cube, on a fresh create field
//   shown all          Restart puzzle and Show all pieces ran, and the frame they end with follows
// The session: the first frame; piece 1 chosen and laid; a reload and the frame it resumes with;
// then the default figure completed, each piece chosen, turned by keys, its layer reached by the
// wheel and the piece laid by a click; one piece is chosen and laid by touch taps instead, with the
// frame its first tap on the field previews; then the puzzle restarted and all pieces shown. Last,
// the clicks that build a figure of 27 cubes in By cubes, for the page to save as a puzzle.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "analysis/analyse.h"
#include "creation/create_puzzle.h"
#include "model/command_ids.h"
#include "model/field_cursor.h"
#include "model/game.h"
#include "model/headless_platform.h"
#include "model/motion_timeline.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "render/client_frame.h"
#include "render/client_input.h"
#include "render/composed_start.h"
#include "render/game_commands.h"
#include "render/hit_test.h"
#include "render/layout.h"
#include "storage/kept_files.h"
#include "support/default_solution.h"

namespace {

using namespace kelvane;

// The page's platform as far as the picture goes: the window fits the content.
class PagePlatform : public HeadlessPlatform {
 public:
  explicit PagePlatform(Game& game) : game_(game) {}
  void FitWindow() override { PlaceContent(game_, RequiredClientSize(game_)); }
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                            MessageStyle style) override {
    messages += std::string(text) + "\n";
    return HeadlessPlatform::ShowMessage(text, caption, style);
  }
  std::string messages;

 private:
  Game& game_;
};

// One visit of the page: the game as the page starts it, on a screen smaller than the least.
struct Visit {
  std::unique_ptr<Game> game = std::make_unique<Game>();
  PagePlatform platform{*game};
  std::optional<FloorCell> tapPreview;
  Visit() {
    LoadPlayerFiles(*game);
    StartComposedGame(*game, platform, {0, 0}, 1);
  }
};

void PrintFrame(Visit& visit) {
  Game& game = *visit.game;
  const Size client = RequiredClientSize(game);
  Surface canvas = MakeSurface(client.width, client.height, 0);
  PaintClientArea(game, visit.platform, [&](const Surface& back, const Rect& source, Point to) {
    // Clipped to the canvas, as the page's canvas clips what it is given.
    for (int y = 0; y < source.Height() && to.y + y < canvas.height; ++y) {
      for (int x = 0; x < source.Width() && to.x + x < canvas.width; ++x) {
        canvas.pixels[(to.y + y) * canvas.width + to.x + x] =
            back.pixels[(source.top + y) * back.width + source.left + x];
      }
    }
  });
  std::uint32_t hash = 2166136261u;
  for (const Pixel p : canvas.pixels) {
    for (const int shift : {16, 8, 0}) {
      hash = (hash ^ ((p >> shift) & 0xFF)) * 16777619u;
    }
  }
  std::printf("frame %d %d %u\n", client.width, client.height, hash);
}

void Press(Visit& visit, Point at) {
  visit.platform.pointer = at;
  PressClientArea(*visit.game, visit.platform, at, 1);
  std::printf("press %d %d\n", at.x, at.y);
}

void Tap(Visit& visit, Point at) {
  visit.platform.pointer = at;
  HideFieldCursor(*visit.game, visit.platform);
  TapClientArea(*visit.game, visit.platform, at, visit.tapPreview);
  std::printf("tap %d %d\n", at.x, at.y);
}

void Key(Visit& visit, int code) {
  KeyOnClientArea(*visit.game, visit.platform, code);
  std::printf("key %d\n", code);
}

void Wheel(Visit& visit, int delta) {
  WheelOnClientArea(*visit.game, visit.platform, delta);
  std::printf("wheel %d\n", delta);
}

// The middle of panel item `item`.
Point PanelItemPoint(const Game& game, int item) {
  const Rect panel = PanelRect(game);
  const int x = (panel.left + panel.right) / 2;
  int first = -1, last = -1;
  for (int y = panel.top; y < panel.bottom; ++y) {
    if (PanelItemAt(game, {x, y}) == item) {
      first = first < 0 ? y : first;
      last = y;
    }
  }
  return {x, (first + last) / 2};
}

// The X, Y and Z keys that turn `grid` into `target`, up to three turns, or none.
std::optional<std::string> TurnKeys(CellGrid grid, const CellGrid& target, int turnsLeft = 3) {
  if (grid.cells == target.cells) {
    return "";
  }
  for (const char key : {'X', 'Y', 'Z'}) {
    CellGrid turned = grid;
    key == 'X' ? RotateAboutX(turned) : key == 'Y' ? RotateAboutY(turned) : RotateAboutZ(turned);
    if (turnsLeft > 0) {
      if (const auto rest = TurnKeys(turned, target, turnsLeft - 1)) {
        return key + *rest;
      }
    }
  }
  return std::nullopt;
}

// Chooses the piece, turns it to its slot by keys, moves to its layer by the wheel and lays it,
// by clicks or by taps.
bool Lay(Visit& visit, const testing::Placement& p, bool byTouch = false) {
  Game& game = *visit.game;
  const auto press = byTouch ? Tap : Press;
  press(visit, PanelItemPoint(game, p.piece));
  const auto keys =
      TurnKeys(game.pieceGrids[p.piece - 1], OrientationSlot(game, p.piece - 1, p.slot));
  for (const char key : keys.value_or("")) {
    Key(visit, key);
  }
  while (game.currentLayer != p.layer) {
    Wheel(visit, game.currentLayer < p.layer ? 120 : -120);
  }
  const Point cell = FloorCellCentre(game, {p.x, p.y});
  press(visit, cell);
  if (byTouch) {
    PrintFrame(visit);
    Tap(visit, cell);
  }
  return PieceOnField(game, static_cast<std::int8_t>(p.piece + 1));
}

// The 27 floor cells highest on the screen, clicked in By cubes: the page sees them all.
bool BuildByCubes() {
  Visit visit;
  Game& game = *visit.game;
  CreatePuzzle(game, visit.platform, CreateMode::ByCubes);
  const Extents box = GridExtents(game.figure);
  std::vector<Point> cells;
  for (int x = 0; x < box.x; ++x) {
    for (int y = 0; y < box.y; ++y) {
      cells.push_back(FloorCellCentre(game, {x, y}));
    }
  }
  std::ranges::sort(cells, {}, &Point::y);
  for (const Point at : std::span(cells).first(27)) {
    visit.platform.pointer = at;
    PressClientArea(game, visit.platform, at, 1);
    std::printf("cube %d %d\n", at.x, at.y);
  }
  return ValidateCreatedFigure(game, visit.platform);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2 || !std::filesystem::is_directory(argv[1])) {
    std::fprintf(stderr, "usage: %s EMPTY_FOLDER\n", argv[0]);
    return 2;
  }
  std::filesystem::current_path(argv[1]);
  auto visit = std::make_unique<Visit>();
  PrintFrame(*visit);
  const auto& solution = testing::kDefaultFigureSolution;
  if (!Lay(*visit, solution[0])) {
    return 1;
  }
  SaveKeptFiles(*visit->game, visit->platform);
  visit = std::make_unique<Visit>();
  std::printf("reload\n");
  PrintFrame(*visit);
  for (std::size_t i = 1; i < solution.size(); ++i) {
    if (!Lay(*visit, solution[i], i == 3)) {
      std::fprintf(stderr, "piece %d was not laid\n", solution[i].piece);
      return 1;
    }
  }
  // The win's light ends and the congratulation comes, as the page's frames bring them.
  FinishMotion(*visit->game, visit->platform);
  if (visit->platform.messages.find("Congratulations") == std::string::npos) {
    std::fprintf(stderr, "no congratulation: %s\n", visit->platform.messages.c_str());
    return 1;
  }
  std::printf("won\n");
  // Puzzle > Restart puzzle, then Analyse > Show all pieces answered Yes, its pieces arrived and
  // the pointer gone to the menus.
  Game& game = *visit->game;
  RunGameCommand(game, visit->platform, kCmdRestartPuzzle);
  FinishMotion(game, visit->platform);
  visit->platform.questionAnswer = MessageAnswer::Yes;
  AnalysePuzzle(game, visit->platform, AnalyseMode::ShowAll);
  FinishMotion(game, visit->platform);
  visit->platform.pointer = {-1, -1};
  HideFieldCursor(game, visit->platform);
  std::printf("shown all\n");
  PrintFrame(*visit);
  return BuildByCubes() ? 0 : 1;
}
