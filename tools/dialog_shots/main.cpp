// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the New game, Save puzzle, Options and About dialogs as PNG pictures for the manual.
#include <QApplication>
#include <QTemporaryDir>

#include "model/char_buffer.h"
#include "model/game.h"
#include "model/solved_puzzles.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "shell/main_window.h"
#include "shot_session.h"
#include "storage/puzzle_file.h"

int main(int argc, char* argv[]) {
  using namespace kelvane;
  QApplication application(argc, argv);
  QTemporaryDir workingFolder;
  const std::optional<QStringList> started = StartShotSession(argc, argv, workingFolder);
  if (!started) {
    return 2;
  }
  const QStringList& folders = *started;

  // The game as the window sets it up, with the default options.
  static Game game;
  MainWindow window(game);
  Platform& platform = window.GamePlatform();
  SetBufferText(game.settings.PUZZLE, "castle.kvp");
  // A few puzzles solved, so that New game shows its ticks and its count.
  for (const char* name : {"Anvil.kvp", "Arch.kvp", "Arrow.kvp", "Bell.kvp", "Bench.kvp",
                           "Boot.kvp", "Castle.kvp", "Cat.kvp", "Well.kvp"}) {
    CellGrid figure;
    if (ReadPuzzleFile(name, figure)) {
      game.solved.figures.insert(FigureKey(figure));
    }
  }

  NewGameDialog newGame(game, platform, nullptr);
  // Both lists wait for the library's grades, so the tier line is complete.
  const auto graded = [](const NewGameDialog& dialog) {
    while (dialog.Grading()) {
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
  };
  graded(newGame);
  game.extras.libraryByDifficulty = true;
  NewGameDialog byDifficulty(game, platform, nullptr);
  graded(byDifficulty);
  SavePuzzleDialog savePuzzle(game, platform, nullptr);
  savePuzzle.show();
  savePuzzle.NameField().setText("My tower");
  savePuzzle.NameField().deselect();
  OptionsDialog options(game, platform, nullptr);
  AboutDialog about(game, nullptr);
  const bool saved = SaveShot(newGame, folders, "new-game.png") &&
                     SaveShot(byDifficulty, folders, "new-game-by-difficulty.png") &&
                     SaveShot(savePuzzle, folders, "save-puzzle.png") &&
                     SaveShot(options, folders, "options.png") &&
                     SaveShot(about, folders, "about.png");
  return saved ? 0 : 1;
}
