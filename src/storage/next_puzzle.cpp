// SPDX-License-Identifier: GPL-3.0-or-later
// Finding and starting the next unsolved puzzle of the library.
#include "storage/next_puzzle.h"

#include "model/char_buffer.h"
#include "model/game_messages.h"
#include "model/solved_puzzles.h"
#include "storage/library_order.h"

namespace kelvane {

int CurrentEntry(const Game& game, const NewGameList& list) {
  if (game.createMode != 0) {
    return -1;
  }
  const std::string key = FigureKey(game.figure);
  const int named = FindEntryIgnoringCase(list.entries, BufferText(game.settings.PUZZLE));
  if (named >= 0 && list.keys[named] == key) {
    return named;
  }
  const auto found = std::ranges::find(list.keys, key);
  return found == list.keys.end() ? -1 : static_cast<int>(found - list.keys.begin());
}

int NextUnsolvedEntry(const NewGameList& list, int current) {
  const int count = static_cast<int>(list.entries.size());
  const int start = current < 0 ? count - 1 : current;
  for (int step = 1; step <= count; ++step) {
    const int entry = (start + step) % count;
    if (!list.keys[entry].empty() && !list.solved[entry]) {
      return entry;
    }
  }
  return -1;
}

NewGameList NextPuzzleList(const Game& game, const PuzzleGrades& grades) {
  NewGameList list = OpenNewGameList(game);
  OrderNewGameList(list, LibraryOrder::ByDifficulty, grades);
  list.selection = NextUnsolvedEntry(list, CurrentEntry(game, list));
  return list;
}

std::string NextPuzzleName(const Game& game, const PuzzleGrades& grades) {
  const NewGameList list = NextPuzzleList(game, grades);
  return list.selection < 0 ? std::string() : list.entries[list.selection];
}

void StartNextPuzzle(Game& game, Platform& platform, const PuzzleGrades& grades) {
  const NewGameList list = NextPuzzleList(game, grades);
  if (list.selection < 0) {
    ShowGameMessage(game, platform, kAllSolvedMessage, MessageStyle::Information);
    return;
  }
  CellGrid figure;
  ConfirmNewGame(game, platform, list, figure);
}

bool StartFirstPuzzle(Game& game, Platform& platform) {
  NewGameList list = OpenNewGameList(game);
  list.selection = FindEntryIgnoringCase(list.entries, kFirstPuzzleFile);
  if (list.selection < 0 || list.keys[list.selection].empty()) {
    return false;
  }
  CellGrid figure;
  return ConfirmNewGame(game, platform, list, figure);
}

}  // namespace kelvane
