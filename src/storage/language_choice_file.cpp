// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and keeping the language choice, one unknown key to the extra options' table.
#include "storage/language_choice_file.h"

#include "storage/extra_options_file.h"
#include "storage/ini_reader.h"
#include "storage/text_file.h"

namespace kelvane {
std::string ChosenLanguage() {
  const std::string text = ReadTextFile(kExtraOptionsFileName).value_or("");
  return std::string(FindIniValue(text, kExtraOptionsSection, kLanguageKey).value_or(""));
}

void KeepChosenLanguage(const Game& game, std::string_view code) {
  ReplaceFile(kExtraOptionsFileName, WithKeyFirst(ExtraOptionsFileText(game), kLanguageKey, code));
}

}  // namespace kelvane
