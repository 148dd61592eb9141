// SPDX-License-Identifier: GPL-3.0-or-later
// Reading, defaulting and storing the Options dialog's values, each check where the value lands.
#include "render/options_choice.h"

#include <algorithm>

#include "render/graphics_setup.h"
#include "render/skins.h"
#include "storage/language_choice_file.h"
#include "storage/settings_file.h"

namespace kelvane {
namespace {

constexpr Colour kColourBits = 0xFFFFFF;
constexpr std::size_t kLongestLanguageCode = 16;

// The code goes into an INI line: nothing that could end the line or open a section.
bool IsLanguageCode(std::string_view code) {
  return code.size() <= kLongestLanguageCode && std::all_of(code.begin(), code.end(), [](char c) {
           return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                  c == '-' || c == '_';
         });
}

}  // namespace

OptionsChoice CurrentOptions(const Game& game) {
  return {game.settings, game.extras, ChosenLanguage()};
}

OptionsChoice DefaultOptions(const Game& game) {
  OptionsChoice choice{game.settings, ExtraOptions{}, ""};
  SetDefaultSettings(choice.settings);
  choice.extras.libraryByDifficulty = game.extras.libraryByDifficulty;
  return choice;
}

void ApplyOptions(Game& game, Platform& platform, const OptionsChoice& choice) {
  const Settings& chosen = choice.settings;
  Settings& settings = game.settings;
  settings.COLOR_BACK = chosen.COLOR_BACK & kColourBits;
  settings.COLOR_INK = chosen.COLOR_INK & kColourBits;
  settings.SHOW_CHECKERS = chosen.SHOW_CHECKERS != 0 ? 1 : 0;
  settings.SHOW_HELPERS = chosen.SHOW_HELPERS != 0 ? 1 : 0;
  settings.SKIN_INDEX =
      chosen.SKIN_INDEX >= 0 && chosen.SKIN_INDEX < kSkinCount ? chosen.SKIN_INDEX : -1;
  settings.SCALE = KnownScale(chosen.SCALE);
  game.extras = choice.extras;
  if (IsLanguageCode(choice.language) && choice.language != ChosenLanguage()) {
    KeepChosenLanguage(game, choice.language);
  }
  ApplyScaleAndSkin(game, platform);
  platform.Invalidate(false);
}

}  // namespace kelvane
