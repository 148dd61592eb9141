// SPDX-License-Identifier: GPL-3.0-or-later
// Items and column breaks of the three orientation popups.
#include "model/orientation_menus.h"

#include <array>

#include "model/command_ids.h"

namespace kelvane {

namespace {

constexpr std::array<const char*, 24> kLabels{"1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",
                                              "9",  "10", "11", "12", "13", "14", "15", "16",
                                              "17", "18", "19", "20", "21", "22", "23", "24"};

template <std::size_t Count>
constexpr std::array<OrientationMenuItem, Count> MenuItems(int columnHeight) {
  std::array<OrientationMenuItem, Count> items{};
  for (std::size_t i = 0; i < Count; ++i) {
    items[i] = {kOrientationCommandIds[i], kLabels[i],
                i > 0 && i % static_cast<std::size_t>(columnHeight) == 0};
  }
  return items;
}

constexpr auto kMenu8 = MenuItems<8>(8);
constexpr auto kMenu12 = MenuItems<12>(6);
constexpr auto kMenu24 = MenuItems<24>(8);

}  // namespace

int OrientationMenuIdForCount(int orientationCount) {
  if (orientationCount == 8) {
    return kOrientationMenu8;
  }
  if (orientationCount == 12) {
    return kOrientationMenu12;
  }
  return kOrientationMenu24;
}

OrientationMenu OrientationMenuLayout(int menuId) {
  switch (menuId) {
    case kOrientationMenu8:
      return {kOrientationMenu8, kMenu8};
    case kOrientationMenu12:
      return {kOrientationMenu12, kMenu12};
    default:
      return {kOrientationMenu24, kMenu24};
  }
}

}  // namespace kelvane
