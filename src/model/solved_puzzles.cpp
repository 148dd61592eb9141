// SPDX-License-Identifier: GPL-3.0-or-later
// Figure keys and the record of solved puzzles.
#include "model/solved_puzzles.h"

#include <algorithm>
#include <charconv>

#include "model/game.h"
#include "model/orientation.h"

namespace kelvane {

namespace {

constexpr char kCube = '#';
constexpr char kGap = '.';

// The text of a figure already at the origin.
std::string KeyText(const CellGrid& figure) {
  const Extents e = GridExtents(figure);
  std::string text = std::to_string(e.x) + ' ' + std::to_string(e.y) + ' ' + std::to_string(e.z);
  for (int z = 0; z < e.z; ++z) {
    text += ' ';
    for (int y = 0; y < e.y; ++y) {
      if (y > 0) {
        text += '/';
      }
      for (int x = 0; x < e.x; ++x) {
        text += figure.at(x, y, z) != 0 ? kCube : kGap;
      }
    }
  }
  return text;
}

// The next number of `text` after `pos` and the blank that ends it; 0 when there is none.
int ReadSize(std::string_view text, std::size_t& pos) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data() + pos, text.data() + text.size(), value);
  if (error != std::errc{} || end == text.data() + text.size() || *end != ' ') {
    return 0;
  }
  pos = static_cast<std::size_t>(end - text.data()) + 1;
  return value;
}

}  // namespace

std::string FigureKey(const CellGrid& figure) {
  CellGrid turned = figure;
  NormaliseGrid(turned);
  std::string least = KeyText(turned);
  for (int turn = 1; turn < 4; ++turn) {
    RotateAboutZ(turned);
    least = std::min(least, KeyText(turned));
  }
  return least;
}

std::optional<CellGrid> FigureFromKey(std::string_view key) {
  std::size_t pos = 0;
  const int sx = ReadSize(key, pos);
  const int sy = ReadSize(key, pos);
  const int sz = ReadSize(key, pos);
  const auto fits = [](int size) { return size >= 1 && size <= kGridSize; };
  if (!fits(sx) || !fits(sy) || !fits(sz)) {
    return std::nullopt;
  }
  // Each layer is its rows and a separator: '/' between rows, a blank between layers.
  const std::size_t layerLength = static_cast<std::size_t>(sy * (sx + 1));
  if (key.size() - pos != layerLength * sz - 1) {
    return std::nullopt;
  }
  CellGrid figure;
  for (int z = 0; z < sz; ++z) {
    for (int y = 0; y < sy; ++y) {
      for (int x = 0; x <= sx; ++x, ++pos) {
        const char c = pos < key.size() ? key[pos] : ' ';
        const char separator = y + 1 < sy ? '/' : ' ';
        if (x == sx ? c != separator : c != kCube && c != kGap) {
          return std::nullopt;
        }
        if (x < sx && c == kCube) {
          figure.at(x, y, z) = kPlainCube;
        }
      }
    }
  }
  if (!GridHasCells(figure)) {
    return std::nullopt;
  }
  return figure;
}

void MarkSolved(Game& game) {
  game.solved.figures.insert(FigureKey(game.figure));
}

bool IsSolved(const Game& game, const CellGrid& figure) {
  return game.solved.figures.contains(FigureKey(figure));
}

}  // namespace kelvane
