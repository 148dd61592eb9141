// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the extra options file, walking one table of keys.
#include "storage/extra_options_file.h"

#include <algorithm>
#include <array>
#include <vector>

#include "model/game.h"
#include "storage/ini_reader.h"
#include "storage/text_case.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

constexpr std::string_view kSection = kExtraOptionsSection;
constexpr std::string_view kLineEnd = "\r\n";

struct ExtraSwitch {
  std::string_view key;
  bool ExtraOptions::*member;
};

constexpr std::array<ExtraSwitch, 5> kSwitches{{
    {"CAN_STILL_BE_DONE", &ExtraOptions::canStillBeDone},
    {"PIECE_NUMBERS", &ExtraOptions::pieceNumbers},
    {"CLOCK_AND_MOVES", &ExtraOptions::clockAndMoves},
    {"LIBRARY_BY_DIFFICULTY", &ExtraOptions::libraryByDifficulty},
    {"ANIMATION", &ExtraOptions::animation},
}};

bool IsSwitchKey(std::string_view key) {
  return std::ranges::any_of(
      kSwitches, [key](const ExtraSwitch& option) { return EqualsIgnoringCase(option.key, key); });
}

}  // namespace

std::string FormatExtraOptionsText(const ExtraOptions& options, std::string_view kept) {
  std::string text = "[" + std::string(kSection) + "]";
  text += kLineEnd;
  for (const ExtraSwitch& option : kSwitches) {
    text += std::string(option.key) + " = " + (options.*option.member ? "1" : "0");
    text += kLineEnd;
  }
  // Each unknown key once, with the value a reader sees: that of its first line.
  std::vector<std::string_view> written;
  for (const std::string_view key : IniSectionKeys(kept, kSection)) {
    if (key.empty() || IsSwitchKey(key) ||
        std::ranges::any_of(
            written, [key](std::string_view done) { return EqualsIgnoringCase(done, key); })) {
      continue;
    }
    written.push_back(key);
    text += std::string(key) + " = " + std::string(*FindIniValue(kept, kSection, key));
    text += kLineEnd;
  }
  return text;
}

ExtraOptions ParseExtraOptionsText(std::string_view text) {
  ExtraOptions options;
  for (const ExtraSwitch& option : kSwitches) {
    const int fallback = options.*option.member ? 1 : 0;
    options.*option.member = ReadIniInt(text, kSection, option.key, fallback) != 0;
  }
  return options;
}

std::string WithKeyFirst(std::string text, std::string_view key, std::string_view value) {
  text.insert(text.find('\n') + 1, std::string(key) + " = " + std::string(value) + "\r\n");
  return text;
}

void LoadExtraOptions(Game& game) {
  game.extras = ParseExtraOptionsText(ReadTextFile(kExtraOptionsFileName).value_or(""));
}

std::string ExtraOptionsFileText(const Game& game) {
  return FormatExtraOptionsText(game.extras, ReadTextFile(kExtraOptionsFileName).value_or(""));
}

void SaveExtraOptions(const Game& game) {
  ReplaceFile(kExtraOptionsFileName, ExtraOptionsFileText(game));
}

}  // namespace kelvane
