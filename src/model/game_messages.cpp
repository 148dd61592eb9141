// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes captioned with the product name.
#include "model/game_messages.h"

#include "model/char_buffer.h"

namespace kelvane {

std::string_view ProductNameOf(const Game& game) {
  return BufferText(game.ProductName);
}

MessageAnswer ShowGameMessage(const Game& game, Platform& platform, std::string_view text,
                              MessageStyle style, const std::vector<std::string>& args) {
  return platform.ShowMessage(platform.Word(text, args), ProductNameOf(game), style);
}

}  // namespace kelvane
