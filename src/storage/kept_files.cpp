// SPDX-License-Identifier: GPL-3.0-or-later
// The kept files' names and texts, from their own formats.
#include "storage/kept_files.h"

#include "model/game.h"
#include "storage/bests_file.h"
#include "storage/extra_options_file.h"
#include "storage/kept_game_file.h"
#include "storage/settings_file.h"
#include "storage/solved_record_file.h"
#include "storage/text_file.h"
#include "storage/window_place_file.h"

namespace kelvane {

std::vector<KeptFileText> KeptFileTexts(const Game& game, Platform& platform) {
  std::vector<KeptFileText> files{
      {SettingsFileName(game), FormatSettingsText(game.settings)},
      {std::string(kExtraOptionsFileName), ExtraOptionsFileText(game)},
      {std::string(kKeptGameFileName), FormatKeptGame(KeepGame(game, platform))},
  };
  // Until a first win there is nothing to keep, and no file to add to the player's folder.
  if (!game.solved.figures.empty()) {
    files.push_back({std::string(kSolvedRecordFileName), FormatSolvedRecord(game.solved)});
  }
  if (!game.bests.byFigure.empty()) {
    files.push_back({std::string(kBestsFileName), FormatBests(game.bests)});
  }
  if (game.windowPlace) {
    files.push_back({std::string(kWindowPlaceFileName), FormatWindowPlaceText(game.windowPlace)});
  }
  return files;
}

KeptFilesWrite WriteChangedKeptFiles(const Game& game, Platform& platform,
                                     WrittenKeptFiles& written) {
  KeptFilesWrite result;
  for (KeptFileText& file : KeptFileTexts(game, platform)) {
    std::string& before = written[file.path];
    if (before == file.text) {
      continue;
    }
    if (ReplaceFile(file.path, file.text) == FileWriteResult::Written) {
      before = std::move(file.text);
      ++result.written;
    } else {
      result.failed = true;
    }
  }
  return result;
}

void SaveKeptFiles(const Game& game, Platform& platform) {
  for (const KeptFileText& file : KeptFileTexts(game, platform)) {
    ReplaceFile(file.path, file.text);
  }
}

}  // namespace kelvane
