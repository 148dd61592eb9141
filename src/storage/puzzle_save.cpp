// SPDX-License-Identifier: GPL-3.0-or-later
// Writing the created figure to its puzzle file and starting it.
#include "storage/puzzle_save.h"

#include <filesystem>

#include "model/char_buffer.h"
#include "model/game.h"
#include "model/game_messages.h"
#include "model/puzzle_start.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane {

void SavePuzzleFile(Game& game, Platform& platform) {
  if (GridHasCells(game.field)) {
    NormaliseGrid(game.field);
  }
  const std::string text = FormatPuzzleText(game.field);

  std::error_code ignored;
  std::filesystem::create_directory(kPuzzleFolder, ignored);
  switch (ReplaceFile(SavedPuzzlePath(BufferText(game.PuzzleName)), text)) {
    case FileWriteResult::NotCreated:
      ShowGameMessage(game, platform, kCannotCreateMessage, MessageStyle::Stop);
      return;
    case FileWriteResult::NotWritten:
      ShowGameMessage(game, platform, kCannotSaveMessage, MessageStyle::Stop);
      return;
    case FileWriteResult::Written:
      break;
  }
  CellGrid figure = game.field;
  RecolourGrid(figure, kPlainCube);
  StartPuzzle(game, platform, figure);
  game.play.puzzleName = BufferText(game.PuzzleName);
  platform.Invalidate(false);
}

}  // namespace kelvane
