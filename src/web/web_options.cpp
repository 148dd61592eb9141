// SPDX-License-Identifier: GPL-3.0-or-later
// The page's Options dialog over the core's options logic (render/options_choice.h).
#include "web/web_options.h"

#include <emscripten.h>

#include <climits>
#include <string_view>

#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/options_choice.h"
#include "render/options_sample.h"
#include "render/skins.h"
#include "web/menu_json.h"
#include "web/skin_sheets.h"

namespace kelvane {
namespace {

EM_JS(void, PageCopySample, (const void* pixels, int stride, int width, int height),
      { Module.kelvane.copySample(pixels, stride, width, height); });

struct PageLanguage {
  std::string_view code;
  std::string_view name;
};
// The browser's own language, then those of the translation files the site is built with
// (lang/index.json), each named in itself; the page words the first in the player's language.
constexpr std::array<PageLanguage, 5> kPageLanguages{
    {{"", ""}, {"en", "English"}, {"de", "Deutsch"}, {"es", "Español"}, {"fr", "Français"}}};

// The sample's sheet, made again only when another skin is shown or its picture arrived.
struct SampleSheet {
  int skinIndex = INT_MIN;
  bool complete = false;
  Surface sheet;
};
SampleSheet sampleSheet;

template <typename Range, typename Item>
std::string JsonList(const Range& range, Item item) {
  std::string list;
  for (const auto& entry : range) {
    list += (list.empty() ? "" : ",") + item(entry);
  }
  return "[" + list + "]";
}

PageOptions ToPage(const OptionsChoice& choice) {
  const Settings& s = choice.settings;
  int language = 0;
  for (std::size_t i = 0; i < kPageLanguages.size(); ++i) {
    if (kPageLanguages[i].code == choice.language) {
      language = static_cast<int>(i);
    }
  }
  return {static_cast<int>(s.COLOR_BACK),
          static_cast<int>(s.COLOR_INK),
          s.SHOW_CHECKERS,
          s.SHOW_HELPERS,
          s.SKIN_INDEX,
          s.SCALE,
          choice.extras.canStillBeDone,
          choice.extras.pieceNumbers,
          choice.extras.clockAndMoves,
          choice.extras.animation,
          language};
}

}  // namespace

std::string OptionsJson(const Game& game, bool defaults) {
  const auto quoted = [](std::string_view text) { return JsonQuoted(text); };
  const auto number = [](auto value) { return std::to_string(value); };
  std::array<int, kLargestScale - kSmallestScale + 1> scales{};
  for (std::size_t i = 0; i < scales.size(); ++i) {
    scales[i] = kSmallestScale + static_cast<int>(i);
  }
  return "{\"skins\":" + JsonList(kSkinNames, quoted) + ",\"scales\":" + JsonList(scales, number) +
         ",\"colours\":" + JsonList(kCustomColours, number) + ",\"languages\":" +
         JsonList(kPageLanguages, [](const PageLanguage& l) { return JsonQuoted(l.name); }) +
         ",\"options\":" +
         JsonList(ToPage(defaults ? DefaultOptions(game) : CurrentOptions(game)), number) + "}";
}

int MissingSkinPicture(int skinIndex) {
  const int number = SkinNumber(skinIndex);
  return HasSkinSheet(number) ? 0 : number;
}

void PaintOptionsSample(const Game& game, int skinIndex, Colour background, bool checkers,
                        int width, int height) {
  // The page asks for nothing bigger than a dialog's picture; anything else draws nothing.
  if (width <= 0 || height <= 0 || width > kSheetWidth || height > kSheetHeight) {
    return;
  }
  Settings shown;
  shown.SKIN_INDEX = skinIndex;
  shown.COLOR_BACK = background;
  shown.SHOW_CHECKERS = checkers ? 1 : 0;
  if (sampleSheet.skinIndex != shown.SKIN_INDEX || !sampleSheet.complete) {
    sampleSheet = {shown.SKIN_INDEX, MissingSkinPicture(shown.SKIN_INDEX) == 0,
                   LoadThumbnailSheetFor(game, shown.SKIN_INDEX)};
  }
  const int ratio = game.graphics.pixelRatio;
  Surface target = MakeSurface(width * ratio, height * ratio, kBlackPixel);
  ComposeOptionsSample(game, target, sampleSheet.sheet, shown);
  PageCopySample(target.pixels.data(), target.width, target.width, target.height);
}

void ApplyPageOptions(Game& game, Platform& platform, const PageOptions& options) {
  OptionsChoice choice = CurrentOptions(game);
  Settings& s = choice.settings;
  s.COLOR_BACK = static_cast<Colour>(options[kPageBackground]);
  s.COLOR_INK = static_cast<Colour>(options[kPageInk]);
  s.SHOW_CHECKERS = options[kPageCheckers];
  s.SHOW_HELPERS = options[kPageHelpers];
  s.SKIN_INDEX = options[kPageSkin];
  s.SCALE = options[kPageScale];
  choice.extras.canStillBeDone = options[kPageCanStillBeDone] != 0;
  choice.extras.pieceNumbers = options[kPagePieceNumbers] != 0;
  choice.extras.clockAndMoves = options[kPageClockAndMoves] != 0;
  choice.extras.animation = options[kPageAnimation] != 0;
  const int language = options[kPageLanguage];
  if (language >= 0 && language < static_cast<int>(kPageLanguages.size())) {
    choice.language = kPageLanguages[static_cast<std::size_t>(language)].code;
  }
  ApplyOptions(game, platform, choice);
}

}  // namespace kelvane
