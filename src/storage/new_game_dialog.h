// SPDX-License-Identifier: GPL-3.0-or-later
// The logic of the New game dialog, without a window: the puzzle list, its preview and OK.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/cell_grid.h"
#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

inline constexpr std::string_view kPuzzleNotSelectedMessage =
    PLAYER_TEXT("Puzzle is not selected.");
inline constexpr std::string_view kInvalidPuzzleMessage = PLAYER_TEXT("Invalid format.");

// The dialog's list of file names (extension included) and its selection, -1 for none.
struct NewGameList {
  std::vector<std::string> entries;
  int selection = -1;
  // Per entry: its figure is in the solved-puzzle record.
  std::vector<bool> solved;
  // Per entry: its figure's key (FigureKey), empty when the file does not read.
  std::vector<std::string> keys;
};

// The list's name order: without regard to letter case, the bytes deciding between names that
// differ only in case.
bool ListedBefore(const std::string& a, const std::string& b);

// The "*.kvp" files of "Puzzles/" (the extension in any letter case; folders left out), sorted
// without regard to letter case. Empty when the folder is missing.
std::vector<std::string> ListPuzzleFiles();

// The index of the first entry equal to `name` without regard to letter case, or -1.
int FindEntryIgnoringCase(const std::vector<std::string>& entries, std::string_view name);

// The list as the dialog opens: every puzzle file by name, with the settings' PUZZLE preselected
// and the solved ones marked.
NewGameList OpenNewGameList(const Game& game);

// "N of M solved" over the listed puzzles.
std::string SolvedSummary(const NewGameList& list, const Wording& words = EnglishWording());

enum class NewGamePreview {
  NotSelected,    // draws "Puzzle is not selected."
  InvalidFormat,  // draws "Invalid format."
  Figure,         // draws LoadedFigure
};

// Reads the selected entry into `LoadedFigure` and says what the preview area shows.
NewGamePreview PreviewSelection(const NewGameList& list, CellGrid& LoadedFigure);

// The message the preview area writes for `shown` (untranslated); empty for a figure.
std::string_view PreviewMessage(NewGamePreview shown);

// What follows the counts under the preview: " · Best 1:58, 12 moves" when the player has a best
// on `figure`, else nothing.
std::string PreviewBestSuffix(const Game& game, const CellGrid& figure,
                              const Wording& words = EnglishWording());

// OK: reads the selected entry again, starts its figure and remembers it in PUZZLE. Without a
// selection, or when the entry does not read, shows that message and starts nothing. True when
// the dialog ends.
bool ConfirmNewGame(Game& game, Platform& platform, const NewGameList& list,
                    CellGrid& LoadedFigure);

}  // namespace kelvane
