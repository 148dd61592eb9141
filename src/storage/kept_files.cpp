// SPDX-License-Identifier: GPL-3.0-or-later
// The kept files' names and texts, from their own formats.
#include "storage/kept_files.h"

#include "model/game.h"
#include "storage/extra_options_file.h"
#include "storage/kept_game_file.h"
#include "storage/settings_file.h"
#include "storage/solved_record_file.h"

namespace kelvane {

std::vector<KeptFileText> KeptFileTexts(const Game& game, Platform& platform) {
  std::vector<KeptFileText> files{
      {SettingsFileName(game), FormatSettingsText(game.settings)},
      {std::string(kExtraOptionsFileName), FormatExtraOptionsText(game.extras)},
      {std::string(kKeptGameFileName), FormatKeptGame(KeepGame(game, platform))},
  };
  if (!game.solved.figures.empty()) {
    files.push_back({std::string(kSolvedRecordFileName), FormatSolvedRecord(game.solved)});
  }
  return files;
}

}  // namespace kelvane
