// SPDX-License-Identifier: GPL-3.0-or-later
// The "guide seen" mark in the extra options file, which keeps the guide from opening by itself.
#pragma once

#include <string_view>

namespace kelvane {

struct Game;

inline constexpr std::string_view kGuideSeenKey = "GUIDE_SEEN";

// The very first start in this folder: no settings file yet and no mark.
bool IsFirstStart(const Game& game);

// Sets the mark at once (beside game.extras), so that a crash cannot bring the guide back.
void MarkGuideSeen(const Game& game);

}  // namespace kelvane
