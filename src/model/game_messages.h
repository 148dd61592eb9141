// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes over the main window, captioned with the product name.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

// The product name held in the Game, up to its terminating NUL.
std::string_view ProductNameOf(const Game& game);

// Shows the template `text`, worded by the platform with `args`, captioned with ProductName, and
// returns the button chosen.
MessageAnswer ShowGameMessage(const Game& game, Platform& platform, std::string_view text,
                              MessageStyle style, const std::vector<std::string>& args = {});

}  // namespace kelvane
