// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the window as PNG pictures for the manual: as it looks at a first start, with and without
// the guide, then the solver's answers: the counts in New game, the solution browser, the live
// count while building by cubes and both states of the mark.
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include "model/char_buffer.h"
#include "model/command_ids.h"
#include "model/game.h"
#include "model/pieces.h"
#include "model/puzzle_start.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/guide_bubble.h"
#include "shell/main_window.h"
#include "shot_session.h"
#include "storage/puzzle_file.h"

namespace kelvane {
namespace {

void StartFile(Game& game, Platform& platform, std::string_view file) {
  CellGrid figure;
  if (ReadPuzzleFile(file, figure)) {
    StartPuzzle(game, platform, figure);
  }
}

}  // namespace
}  // namespace kelvane

int main(int argc, char* argv[]) {
  using namespace kelvane;
  QApplication application(argc, argv);
  QTemporaryDir workingFolder;
  const std::optional<QStringList> started = StartShotSession(argc, argv, workingFolder);
  if (!started) {
    return 2;
  }
  const QStringList& folders = *started;

  static Game game;
  MainWindow window(game);
  Platform& platform = window.GamePlatform();
  bool saved = SaveShot(window, folders, "main-window.png");
  window.ShowGuide();
  saved = SaveShot(window, folders, "guide-first-start.png") && saved;
  window.Guide()->SkipButton().click();

  SetBufferText(game.settings.PUZZLE, "Coffee Table.kvp");
  NewGameDialog newGame(game, platform, nullptr);
  saved = SaveShot(newGame, folders, "new-game-counts.png") && saved;
  newGame.hide();

  // The mark on the default figure: piece 7 where a completion has it, then where it walls in
  // the cell at the end of the tail.
  game.extras.canStillBeDone = true;
  const std::int8_t seven = PieceCellValue(6);
  game.field.at(1, 3, 0) = seven;
  game.field.at(1, 3, 1) = seven;
  game.field.at(1, 4, 0) = seven;
  saved = SaveShot(window, folders, "mark-can-be-completed.png") && saved;
  game.field.at(1, 4, 0) = kEmptyCell;
  game.field.at(1, 2, 1) = seven;
  saved = SaveShot(window, folders, "mark-no-completion.png") && saved;
  game.extras.canStillBeDone = false;

  StartFile(game, platform, "Cube.kvp");
  for (int step = 0; step < 3; ++step) {
    window.RunCommand(kCmdNextSolution);
  }
  saved = SaveShot(window, folders, "solution-browser.png") && saved;

  // A figure of 27 cubes built by cubes: a 3 × 3 block, three layers high.
  window.RunCommand(kCmdCreateByCubes);
  for (int i = 0; i < 27; ++i) {
    game.field.at(3 + i % 3, 3 + i / 3 % 3, i / 9) = kPlainCube;
  }
  game.currentLayer = 2;
  saved = SaveShot(window, folders, "create-live-count.png") && saved;
  return saved ? 0 : 1;
}
