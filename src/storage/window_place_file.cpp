// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the window place file.
#include "storage/window_place_file.h"

#include <limits>

#include "model/game.h"
#include "storage/ini_reader.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

constexpr std::string_view kSection = "Window";
// Stands for a missing key: no desktop reaches so far.
constexpr int kMissing = std::numeric_limits<int>::min();

}  // namespace

std::string FormatWindowPlaceText(const KeptWindowPlace& place) {
  if (!place) {
    return {};
  }
  return "[" + std::string(kSection) + "]\r\nLEFT = " + std::to_string(place->left) +
         "\r\nTOP = " + std::to_string(place->top) + "\r\n";
}

KeptWindowPlace ParseWindowPlaceText(std::string_view text) {
  const int left = ReadIniInt(text, kSection, "LEFT", kMissing);
  const int top = ReadIniInt(text, kSection, "TOP", kMissing);
  if (left == kMissing || top == kMissing) {
    return std::nullopt;
  }
  return WindowPlace{left, top};
}

void LoadWindowPlace(Game& game) {
  game.windowPlace =
      ParseWindowPlaceText(ReadTextFile(std::string(kWindowPlaceFileName)).value_or(""));
}

}  // namespace kelvane
