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

constexpr std::string_view kSection = "Options";

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
  std::string text = ExtraOptionsFileText(game);
  if (!MarkedIn(text)) {
    // Right under the section line: a reader takes a key's first line, so a hand-set 0 below
    // loses, and goes at the next rewrite.
    text.insert(text.find('\n') + 1, std::string(kGuideSeenKey) + " = 1\r\n");
  }
  ReplaceFile(kExtraOptionsFileName, text);
}

}  // namespace kelvane
