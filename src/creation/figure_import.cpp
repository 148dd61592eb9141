// SPDX-License-Identifier: GPL-3.0-or-later
// Parsing figure text copied from a web page into a 27-cube grid.
#include "creation/figure_import.h"

#include "creation/single_byte_text.h"
#include "model/game_messages.h"

namespace kelvane {
namespace {

constexpr int kTopImportLayer = 10;

std::string_view TrimSpaces(std::string_view line) {
  const std::size_t first = line.find_first_not_of(' ');
  if (first == std::string_view::npos) {
    return {};
  }
  return line.substr(first, line.find_last_not_of(' ') - first + 1);
}

bool IsSkipped(std::string_view line) {
  return line.empty() || (line.size() > 1 && line[1] == ';') || line.starts_with("/KELV") ||
         line.starts_with("KELV");
}

bool IsSeparator(char c) {
  return c == '/' || c == ' ';
}
bool IsHole(char c) {
  return c == '.' || c == '-' || c == '0';
}
bool InGrid(int coordinate) {
  return coordinate >= 0 && coordinate < kGridSize;
}

// Lays the cubes of data line x into `grid`; false at a cube outside the grid.
bool ParseDataLine(std::string_view line, int x, CellGrid& grid) {
  int z = kTopImportLayer;
  int y = 0;
  for (const char c : line) {
    if (IsSeparator(c)) {
      --z;
      y = 0;
      continue;
    }
    if (!IsHole(c)) {
      if (!InGrid(x) || !InGrid(y) || !InGrid(z)) {
        return false;
      }
      grid.at(x, y, z) = kPlainCube;
    }
    ++y;
  }
  return true;
}

}  // namespace

std::optional<CellGrid> ParseFigureText(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  text = text.substr(0, kFigureTextLimit);

  CellGrid grid;
  int dataLine = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    if (end != std::string_view::npos && line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    line = TrimSpaces(line);
    if (IsSkipped(line)) {
      continue;
    }
    // Data lines past the grid fail only when they hold a cube, so they are still counted.
    if (!ParseDataLine(line, dataLine, grid)) {
      return std::nullopt;
    }
    ++dataLine;
  }
  if (CountCells(grid) != kFigureCubes) {
    return std::nullopt;
  }
  NormaliseGrid(grid);
  return grid;
}

std::optional<CellGrid> ImportFigureFromClipboard(const Game& game, Platform& platform) {
  const std::optional<std::string> text = platform.ClipboardText();
  if (!text) {
    ShowGameMessage(game, platform, kNoFigureTextMessage, MessageStyle::Information);
    return std::nullopt;
  }
  std::optional<CellGrid> figure = ParseFigureText(SingleByteText(*text));
  if (!figure) {
    ShowGameMessage(game, platform, kFigureFormatMessage, MessageStyle::Information);
  }
  return figure;
}

}  // namespace kelvane
