// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the settings file, walking one table of keys and defaults.
#include "storage/settings_file.h"

#include <array>
#include <variant>

#include "model/char_buffer.h"
#include "model/game_messages.h"
#include "storage/ini_reader.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
constexpr std::string_view kLastSection = "LAST";
constexpr std::string_view kOptionsSection = "OPTIONS";
constexpr std::string_view kPuzzleKey = "PUZZLE";
constexpr std::int32_t kDefaultScale = 4;

struct NumericSetting {
  std::string_view key;
  std::variant<Colour Settings::*, std::int32_t Settings::*> field;
  std::int32_t defaultValue;
};

// The options in the order the file lists them.
constexpr std::array<NumericSetting, 6> kOptions{{
    {"COLOR_BACK", &Settings::COLOR_BACK, 13158600},
    {"COLOR_INK", &Settings::COLOR_INK, 9868950},
    {"SCALE", &Settings::SCALE, kDefaultScale},
    {"SHOW_CHECKERS", &Settings::SHOW_CHECKERS, 1},
    {"SHOW_HELPERS", &Settings::SHOW_HELPERS, 1},
    {"SKIN_INDEX", &Settings::SKIN_INDEX, 1},
}};

// Numbers go through the file as signed 32-bit decimals, colours included.
std::int32_t Get(const Settings& settings, const NumericSetting& option) {
  return std::visit([&](auto field) { return static_cast<std::int32_t>(settings.*field); },
                    option.field);
}

void Set(Settings& settings, const NumericSetting& option, std::int32_t value) {
  std::visit(
      [&](auto field) {
        settings.*field = static_cast<std::remove_reference_t<decltype(settings.*field)>>(value);
      },
      option.field);
}

}  // namespace

void SetDefaultSettings(Settings& settings) {
  for (const NumericSetting& option : kOptions) {
    Set(settings, option, option.defaultValue);
  }
}

std::int32_t KnownScale(std::int32_t scale) {
  return scale < 2 || scale > 8 ? kDefaultScale : scale;
}

std::string FormatSettingsText(const Settings& settings) {
  std::string text = "[" + std::string(kLastSection) + "]";
  text += kLineEnd;
  text += std::string(kPuzzleKey) + " = " + std::string(BufferText(settings.PUZZLE));
  text += kLineEnd;
  text += kLineEnd;
  text += "[" + std::string(kOptionsSection) + "]";
  text += kLineEnd;
  for (const NumericSetting& option : kOptions) {
    text += std::string(option.key) + " = " + std::to_string(Get(settings, option));
    text += kLineEnd;
  }
  text += kLineEnd;
  return text;
}

void ParseSettingsText(std::string_view text, Settings& settings) {
  for (const NumericSetting& option : kOptions) {
    Set(settings, option, ReadIniInt(text, kOptionsSection, option.key, option.defaultValue));
  }
  settings.SCALE = KnownScale(settings.SCALE);
  SetBufferText(settings.PUZZLE,
                ReadIniString(text, kLastSection, kPuzzleKey, "", settings.PUZZLE.size()));
}

std::string SettingsFileName(const Game& game) {
  return std::string(ProductNameOf(game)) + ".ini";
}

void LoadSettings(Game& game) {
  ParseSettingsText(ReadTextFile(SettingsFileName(game)).value_or(""), game.settings);
}

void SaveSettings(const Game& game) {
  ReplaceFile(SettingsFileName(game), FormatSettingsText(game.settings));
}

}  // namespace kelvane
