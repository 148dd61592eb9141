// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's version line; the build gives this file the project's version number.
#include "model/about_box.h"

#include "model/game_messages.h"

namespace kelvane {

std::string_view VersionNumber() {
  return KELVANE_VERSION;
}

std::string AboutVersionLine(const Game& game, const Wording& words) {
  return words.Word(PLAYER_TEXT("%1 version %2"),
                    {std::string(ProductNameOf(game)), std::string(VersionNumber())});
}

}  // namespace kelvane
