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
  if (!WritePuzzleText(game, platform, SavedPuzzlePath(BufferText(game.PuzzleName)),
                       FormatPuzzleText(game.field))) {
    return;
  }
  CellGrid figure = game.field;
  RecolourGrid(figure, kPlainCube);
  StartPuzzle(game, platform, figure);
  game.play.puzzleName = BufferText(game.PuzzleName);
  platform.Invalidate(false);
}

bool WritePuzzleText(const Game& game, Platform& platform, const std::string& path,
                     std::string_view text) {
  std::error_code ignored;
  std::filesystem::create_directory(kPuzzleFolder, ignored);
  switch (ReplaceFile(path, text)) {
    case FileWriteResult::NotCreated:
      ShowGameMessage(game, platform, kCannotCreateMessage, MessageStyle::Stop);
      return false;
    case FileWriteResult::NotWritten:
      ShowGameMessage(game, platform, kCannotSaveMessage, MessageStyle::Stop);
      return false;
    case FileWriteResult::Written:
      break;
  }
  return true;
}

}  // namespace kelvane
