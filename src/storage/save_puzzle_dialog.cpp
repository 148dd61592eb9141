// SPDX-License-Identifier: GPL-3.0-or-later
// The name rules of the Save puzzle dialog and its OK.
#include "storage/save_puzzle_dialog.h"

#include <algorithm>

#include "model/char_buffer.h"
#include "model/game_messages.h"
#include "storage/puzzle_file.h"
#include "storage/puzzle_save.h"

namespace kelvane {
namespace {

bool IsForbidden(char c) {
  return kForbiddenNameCharacters.find(c) != std::string_view::npos;
}

}  // namespace

// What the name field itself keeps out; only a caller bypassing the field can send such a name.
bool PuzzleNameFits(std::string_view name) {
  return name.size() <= static_cast<std::size_t>(kPuzzleNameLimit) &&
         std::ranges::none_of(name, [](char c) { return IsForbidden(c) || c == '\0'; });
}

bool AcceptNameCharacter(Platform& platform, char typed) {
  if (IsForbidden(typed)) {
    platform.Beep();
    return false;
  }
  return true;
}

bool AcceptNameLength(Platform& platform, std::size_t bytes) {
  if (bytes > static_cast<std::size_t>(kPuzzleNameLimit)) {
    platform.Beep();
    return false;
  }
  return true;
}

bool ConfirmSavePuzzle(Game& game, Platform& platform, std::string_view typedName) {
  if (std::ranges::all_of(typedName, [](char c) { return c == ' '; })) {
    ShowGameMessage(game, platform, kEnterFileNameMessage, MessageStyle::Plain);
    return false;
  }
  if (!PuzzleNameFits(typedName)) {
    platform.Beep();
    return false;
  }
  SetBufferText(game.PuzzleName, typedName);
  if (PuzzleFileExists(SavedPuzzlePath(typedName)) &&
      ShowGameMessage(game, platform, kOverwriteQuestion, MessageStyle::Question) !=
          MessageAnswer::Yes) {
    return false;
  }
  SavePuzzleFile(game, platform);
  return true;
}

}  // namespace kelvane
