// Message boxes captioned with the product name.
#include "creation/game_messages.h"

#include <cstring>

namespace kelvane {

std::string_view ProductNameOf(const Game& game) {
  return {game.ProductName.data(), strnlen(game.ProductName.data(), game.ProductName.size())};
}

MessageAnswer ShowGameMessage(const Game& game, Platform& platform, std::string_view text,
                              MessageStyle style) {
  return platform.ShowMessage(text, ProductNameOf(game), style);
}

}  // namespace kelvane
