// SPDX-License-Identifier: GPL-3.0-or-later
// The window's last place, in a file of its own beside the settings.
#pragma once

#include <string>
#include <string_view>

#include "model/window_place.h"

namespace kelvane {

inline constexpr std::string_view kWindowPlaceFileName = "Window.ini";

// "[Window]" with LEFT and TOP; an empty text when no place is known.
std::string FormatWindowPlaceText(const KeptWindowPlace& place);

// The place a text holds; none when either key is missing.
KeptWindowPlace ParseWindowPlaceText(std::string_view text);

struct Game;

void LoadWindowPlace(Game& game);

}  // namespace kelvane
