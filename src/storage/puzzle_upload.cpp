// SPDX-License-Identifier: GPL-3.0-or-later
// Checking a puzzle file from outside before it joins the library.
#include "storage/puzzle_upload.h"

#include <string>

#include "model/cell_grid.h"
#include "model/game_messages.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_save.h"
#include "storage/save_puzzle_dialog.h"
#include "storage/text_case.h"

namespace kelvane {

bool AddPuzzleFile(const Game& game, Platform& platform, std::string_view fileName,
                   std::string_view text) {
  const std::vector<std::string> named{std::string(fileName)};
  const std::size_t stem = fileName.size() - std::min(fileName.size(), kPuzzleExtension.size());
  if (stem == 0 || !EqualsIgnoringCase(fileName.substr(stem), kPuzzleExtension) ||
      !PuzzleNameFits(fileName.substr(0, stem))) {
    ShowGameMessage(game, platform, kNotAPuzzleNameMessage, MessageStyle::Stop, named);
    return false;
  }
  CellGrid figure;
  if (text.size() > kMaxPuzzleFileBytes || !ParsePuzzleText(text, figure)) {
    ShowGameMessage(game, platform, kNotAPuzzleTextMessage, MessageStyle::Stop, named);
    return false;
  }
  const std::string path = PuzzleFilePath(fileName);
  if (PuzzleFileExists(path) && ShowGameMessage(game, platform, kOverwriteQuestion,
                                                MessageStyle::Question) != MessageAnswer::Yes) {
    return false;
  }
  return WritePuzzleText(game, platform, path, text);
}

}  // namespace kelvane
