// Counting every completion of the current position, for puzzle designers.
#pragma once

#include <cstdint>
#include <optional>

namespace kelvane {

struct Game;

// The number of ways to lay every piece that is not on the Field into the Figure cells the Field
// leaves free, each set of placements counted once. Nothing when more cells are free than the
// counter numbers (128).
std::optional<std::uint64_t> CountCompletions(const Game& game);

}  // namespace kelvane
