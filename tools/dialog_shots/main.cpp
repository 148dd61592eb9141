// Draws the New game, Save puzzle, Options and About dialogs as PNG pictures for the manual.
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <cstdio>

#include "model/game.h"
#include "model/game_init.h"
#include "model/platform.h"
#include "render/graphics_setup.h"
#include "shell/dialogs/about_dialog.h"
#include "shell/dialogs/new_game_dialog.h"
#include "shell/dialogs/options_dialog.h"
#include "shell/dialogs/puzzle_name_field.h"
#include "shell/dialogs/save_puzzle_dialog.h"
#include "storage/char_buffer.h"
#include "storage/puzzle_file.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

// The dialogs only read and write the game here; nothing is asked of a window.
class QuietPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageStyle) override {
    return MessageAnswer::No;
  }
  void Beep() override {}
  void PlaySoundAsync(std::string_view) override {}
  int PanelSelection() override { return -1; }
  void SetPanelSelection(int) override {}
  void ResetPanel() override {}
  void Invalidate(bool) override {}
  void ApplyCommandStates(const CommandStates&) override {}
  void FitWindow() override {}
  std::optional<std::string> ClipboardText() override { return std::nullopt; }
};

void WritePuzzle(const std::string& name, const CellGrid& figure) {
  ReplaceFile(PuzzleFilePath(name), FormatPuzzleText(figure));
}

// A small library: the default figure, a block and a staircase.
void WriteSampleLibrary(const Game& game) {
  QDir().mkpath(QString::fromUtf8(kPuzzleFolder));
  WritePuzzle("First figure.kvp", game.figure);
  CellGrid block;
  CellGrid stairs;
  for (int z = 0; z < 3; ++z) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        block.at(x, y, z) = kPlainCube;
      }
    }
    for (int y = 0; y < 4 - z; ++y) {
      for (int x = 0; x < 3; ++x) {
        stairs.at(x, y, z) = kPlainCube;
      }
    }
  }
  WritePuzzle("Block.kvp", block);
  WritePuzzle("Staircase.kvp", stairs);
  WritePuzzle("Tower.kvp", block);
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
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s output-folder...\n", argv[0]);
    return 2;
  }
  QStringList folders;
  for (int i = 1; i < argc; ++i) {
    folders << QDir(argv[i]).absolutePath();
  }
  QTemporaryDir workingFolder;
  QDir::setCurrent(workingFolder.path());

  static Game game;
  QuietPlatform platform;
  SetDefaultSettings(game.settings);
  InitialiseGame(game);
  CreateGraphics(game, 640, 480);
  ApplyScaleAndSkin(game, platform);
  BuildSpriteMask(game);
  WriteSampleLibrary(game);
  SetBufferText(game.settings.PUZZLE, "staircase.kvp");

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
