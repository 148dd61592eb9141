// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and setting the guide's mark, one unknown key to the extra options' table.
#include "storage/guide_mark_file.h"

#include <filesystem>
#include <string>

#include "model/game.h"
#include "storage/extra_options_file.h"
#include "storage/ini_reader.h"
#include "storage/settings_file.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

constexpr std::string_view kSection = kExtraOptionsSection;

bool MarkedIn(std::string_view text) {
  return ReadIniInt(text, kSection, kGuideSeenKey, 0) != 0;
}

}  // namespace

bool IsFirstStart(const Game& game) {
  std::error_code error;
  return !std::filesystem::exists(SettingsFileName(game), error) &&
         !MarkedIn(ReadTextFile(kExtraOptionsFileName).value_or(""));
}

void MarkGuideSeen(const Game& game) {
  const std::string text = ExtraOptionsFileText(game);
  // A hand-set 0 below the new line loses.
  ReplaceFile(kExtraOptionsFileName,
              MarkedIn(text) ? text : WithKeyFirst(text, kGuideSeenKey, "1"));
}

}  // namespace kelvane
