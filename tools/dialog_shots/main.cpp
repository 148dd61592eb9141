// SPDX-License-Identifier: GPL-3.0-or-later
// Draws the New game, Save puzzle, Options and About dialogs as PNG pictures for the manual.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>

#include "model/char_buffer.h"
#include "model/game.h"
#include "model/solved_puzzles.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "shell/main_window.h"
#include "storage/puzzle_file.h"

namespace kelvane {
namespace {

// The working folder's library: a copy of `library`'s puzzle files.
void CopyLibrary(const QString& library) {
  const QString folder = QString::fromUtf8(kPuzzleFolder);
  QDir().mkpath(folder);
  for (const QString& name : QDir(library).entryList({"*.kvp"}, QDir::Files)) {
    QFile::copy(library + "/" + name, folder + "/" + name);
  }
}

bool Save(QWidget& dialog, const QStringList& folders, const QString& name) {
  dialog.show();
  QApplication::processEvents();
  const QPixmap picture = dialog.grab();
  bool saved = true;
  for (const QString& folder : folders) {
    QDir().mkpath(folder);
    saved = picture.save(folder + "/" + name) && saved;
  }
  dialog.hide();
  return saved;
}

}  // namespace
}  // namespace kelvane

int main(int argc, char* argv[]) {
  using namespace kelvane;
  QApplication application(argc, argv);
  if (argc < 3) {
    std::fprintf(stderr, "usage: %s puzzle-library output-folder...\n", argv[0]);
    return 2;
  }
  const QString library = QDir(argv[1]).absolutePath();
  QStringList folders;
  for (int i = 2; i < argc; ++i) {
    folders << QDir(argv[i]).absolutePath();
  }
  QTemporaryDir workingFolder;
  QDir::setCurrent(workingFolder.path());
  CopyLibrary(library);

  // The game as the window sets it up, with the default options.
  static Game game;
  MainWindow window(game);
  Platform& platform = window.GamePlatform();
  SetBufferText(game.settings.PUZZLE, "castle.kvp");
  // A few puzzles solved, so that New game shows its ticks and its count.
  for (const char* name : {"Anvil.kvp", "Bench.kvp", "Boot.kvp", "Castle.kvp", "Cat.kvp"}) {
    CellGrid figure;
    if (ReadPuzzleFile(name, figure)) {
      game.solved.figures.insert(FigureKey(figure));
    }
  }

  NewGameDialog newGame(game, platform, nullptr);
  SavePuzzleDialog savePuzzle(game, platform, nullptr);
  savePuzzle.show();
  savePuzzle.NameField().setText("My tower");
  savePuzzle.NameField().deselect();
  OptionsDialog options(game, platform, nullptr);
  AboutDialog about(game, nullptr);
  const bool saved = Save(newGame, folders, "new-game.png") &&
                     Save(savePuzzle, folders, "save-puzzle.png") &&
                     Save(options, folders, "options.png") && Save(about, folders, "about.png");
  return saved ? 0 : 1;
}
