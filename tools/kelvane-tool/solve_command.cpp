// SPDX-License-Identifier: GPL-3.0-or-later
// Solving one puzzle file and showing where each piece goes.
#include "solve_command.h"

#include <charconv>
#include <string>

#include "model/game_init.h"
#include "puzzle_game.h"
#include "storage/puzzle_file.h"

namespace kelvane::tool {

namespace {

char CellMark(std::int8_t value) {
  return value >= 2 && value <= 8 ? static_cast<char>('1' + value - 2) : '.';
}

// The decimal number at the start of `text`.
int LeadingNumber(std::string_view text) {
  int number = 0;
  std::from_chars(text.data(), text.data() + text.size(), number);
  return number;
}

// The puzzle-file text of the figure with each row character replaced by the mark of the
// completion's cell, so that the layout stays exactly that of the file.
std::string MarkedLayout(const CellGrid& figure, const CellGrid& completion) {
  std::string text = FormatPuzzleText(figure);
  int z = 0;
  for (std::size_t line = 0; line < text.size(); line = text.find('\n', line) + 1) {
    const std::string_view rest = std::string_view(text).substr(line);
    if (rest.starts_with("[Z")) {
      z = LeadingNumber(rest.substr(2));
    } else if (rest.starts_with("Y")) {
      const int y = LeadingNumber(rest.substr(1));
      const std::size_t row = line + rest.find(" = ") + 3;
      for (int x = 0; text[row + x] != '\r'; ++x) {
        text[row + x] = CellMark(completion.at(x, y, z));
      }
    }
  }
  return text;
}

}  // namespace

int RunSolve(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 1) {
    err << "usage: kelvane-tool solve FILE\n";
    return kExitUsage;
  }
  const std::optional<CellGrid> figure = ReadPuzzleAt(args[0]);
  if (!figure) {
    err << args[0] << ": not a puzzle file the game reads\n";
    return kExitUsage;
  }
  const auto game = GameOn(*figure);
  if (!SolveFromEmptyField(*game)) {
    err << args[0] << ": Test is not passed.\n";
    return kExitFailure;
  }
  out << MarkedLayout(*figure, game->WorkGrid);
  return kExitSuccess;
}

}  // namespace kelvane::tool
