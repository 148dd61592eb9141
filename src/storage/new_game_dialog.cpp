// SPDX-License-Identifier: GPL-3.0-or-later
// The puzzle list of the New game dialog, its preview and its OK.
#include "storage/new_game_dialog.h"

#include <algorithm>
#include <filesystem>

#include "model/char_buffer.h"
#include "model/game_messages.h"
#include "model/puzzle_start.h"
#include "model/solved_puzzles.h"
#include "model/status_line.h"
#include "storage/puzzle_file.h"
#include "storage/text_case.h"

namespace kelvane {
namespace {

bool IsPuzzleFileName(std::string_view name) {
  return name.size() >= kPuzzleExtension.size() &&
         EqualsIgnoringCase(name.substr(name.size() - kPuzzleExtension.size()), kPuzzleExtension);
}

}  // namespace

bool ListedBefore(const std::string& a, const std::string& b) {
  const std::weak_ordering order = CompareIgnoringCase(a, b);
  return order != 0 ? order < 0 : a < b;
}

std::vector<std::string> ListPuzzleFiles() {
  std::vector<std::string> names;
  std::error_code error;
  for (std::filesystem::directory_iterator it(kPuzzleFolder, error), end; !error && it != end;
       it.increment(error)) {
    std::error_code typeError;
    const std::string name = it->path().filename().string();
    if (it->is_regular_file(typeError) && IsPuzzleFileName(name)) {
      names.push_back(name);
    }
  }
  std::ranges::sort(names, ListedBefore);
  return names;
}

int FindEntryIgnoringCase(const std::vector<std::string>& entries, std::string_view name) {
  const auto found = std::ranges::find_if(
      entries, [&](const std::string& entry) { return EqualsIgnoringCase(entry, name); });
  return found == entries.end() ? -1 : static_cast<int>(found - entries.begin());
}

NewGameList OpenNewGameList(const Game& game) {
  NewGameList list;
  list.entries = ListPuzzleFiles();
  list.selection = FindEntryIgnoringCase(list.entries, BufferText(game.settings.PUZZLE));
  for (const std::string& entry : list.entries) {
    CellGrid figure;
    const bool readable = ReadPuzzleFile(entry, figure);
    list.solved.push_back(readable && IsSolved(game, figure));
    list.keys.push_back(readable ? FigureKey(figure) : std::string());
  }
  return list;
}

std::string SolvedSummary(const NewGameList& list, const Wording& words) {
  return words.Word(PLAYER_COUNTED("%1 of %n solved"),
                    {std::to_string(std::ranges::count(list.solved, true))},
                    static_cast<long>(list.entries.size()));
}

NewGamePreview PreviewSelection(const NewGameList& list, CellGrid& LoadedFigure) {
  if (list.selection < 0 || list.selection >= static_cast<int>(list.entries.size())) {
    return NewGamePreview::NotSelected;
  }
  return ReadPuzzleFile(list.entries[list.selection], LoadedFigure) ? NewGamePreview::Figure
                                                                    : NewGamePreview::InvalidFormat;
}

std::string_view PreviewMessage(NewGamePreview shown) {
  switch (shown) {
    case NewGamePreview::NotSelected:
      return kPuzzleNotSelectedMessage;
    case NewGamePreview::InvalidFormat:
      return kInvalidPuzzleMessage;
    case NewGamePreview::Figure:
      break;
  }
  return {};
}

std::string PreviewBestSuffix(const Game& game, const CellGrid& figure, const Wording& words) {
  const std::optional<PuzzleBest> best = BestOf(game.bests, figure);
  return best ? " · " + BestText(*best, words) : std::string();
}

bool ConfirmNewGame(Game& game, Platform& platform, const NewGameList& list,
                    CellGrid& LoadedFigure) {
  switch (PreviewSelection(list, LoadedFigure)) {
    case NewGamePreview::NotSelected:
      ShowGameMessage(game, platform, kPuzzleNotSelectedMessage, MessageStyle::Information);
      return false;
    case NewGamePreview::InvalidFormat:
      ShowGameMessage(game, platform, kInvalidPuzzleMessage, MessageStyle::Information);
      return false;
    case NewGamePreview::Figure:
      break;
  }
  StartPuzzle(game, platform, LoadedFigure);
  SetBufferText(game.settings.PUZZLE, list.entries[list.selection]);
  std::string_view name = list.entries[list.selection];
  if (name.size() > kPuzzleExtension.size() &&
      EqualsIgnoringCase(name.substr(name.size() - kPuzzleExtension.size()), kPuzzleExtension)) {
    name.remove_suffix(kPuzzleExtension.size());
  }
  game.play.puzzleName = name;
  return true;
}

}  // namespace kelvane
