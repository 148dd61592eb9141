// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the bests.
#include "storage/bests_file.h"

#include <charconv>

#include "model/game.h"
#include "model/solved_puzzles.h"
#include "storage/record_lines.h"
#include "storage/set_aside_file.h"

namespace kelvane {

namespace {

constexpr std::string_view kHeader = "Kelvane bests 1";
constexpr std::string_view kLineEnd = "\r\n";

// The number before the next blank, taken off the front of `line`; nothing unless there is one.
template <typename Number>
std::optional<Number> TakeNumber(std::string_view& line) {
  Number number{};
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), number);
  if (error != std::errc{} || number < 0 || end == line.data() + line.size() || *end != ' ') {
    return std::nullopt;
  }
  line.remove_prefix(static_cast<std::size_t>(end - line.data()) + 1);
  return number;
}

}  // namespace

std::string FormatBests(const PuzzleBests& bests) {
  std::string text(kHeader);
  text += kLineEnd;
  for (const auto& [key, best] : bests.byFigure) {
    text += std::to_string(best.ms) + " " + std::to_string(best.moves) + " " + key;
    text += kLineEnd;
  }
  return text;
}

std::optional<PuzzleBests> ParseBests(std::string_view text) {
  const std::optional<std::vector<std::string_view>> lines = RecordLines(text, kHeader);
  if (!lines) {
    return std::nullopt;
  }
  PuzzleBests bests;
  for (std::string_view line : *lines) {
    const std::optional<std::int64_t> ms = TakeNumber<std::int64_t>(line);
    const std::optional<int> moves = ms ? TakeNumber<int>(line) : std::nullopt;
    const std::optional<CellGrid> figure = moves ? FigureFromKey(line) : std::nullopt;
    if (!figure) {
      return std::nullopt;
    }
    KeepBest(bests, FigureKey(*figure), {*ms, *moves});
  }
  return bests;
}

void LoadBests(Game& game) {
  game.bests = LoadOrSetAside(kBestsFileName, ParseBests).value_or(PuzzleBests{});
}

}  // namespace kelvane
