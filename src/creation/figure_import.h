// SPDX-License-Identifier: GPL-3.0-or-later
// The figure text that "Import from HTM file" reads: rows of characters, one data line per x.
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>

#include "model/cell_grid.h"
#include "model/game.h"
#include "model/platform.h"
#include "model/text_template.h"

namespace kelvane {

// Only this many characters of the text are read, as the clipboard buffer holds.
inline constexpr std::size_t kFigureTextLimit = 258;
inline constexpr int kFigureCubes = 27;

inline constexpr std::string_view kFigureFormatMessage = PLAYER_TEXT("Invalid format!");
inline constexpr std::string_view kNoFigureTextMessage =
    PLAYER_TEXT("Please copy text of figure to clipboard for import.");

// Parses figure text into a grid of exactly 27 plain cubes moved to the origin corner, or
// nothing when the text is not such a figure ("Invalid format!").
// The text is read up to its first NUL and at most kFigureTextLimit characters. Lines end at
// LF, a CR before it dropped. Each line is trimmed of spaces; empty lines, lines whose second
// character is ';' and lines starting "/KELV" or "KELV" are skipped. Data line r gives x = r;
// '/' and ' ' step down a layer from z = 10 and restart y at 0; '.', '-' and '0' are holes;
// every other character is a cube, which must lie at x, y and z within 0…11.
std::optional<CellGrid> ParseFigureText(std::string_view text);

// Parses the clipboard's text (UTF-8, one byte per character once decoded). Shows "Please copy text
// of figure to clipboard for import." when the clipboard holds no text and "Invalid format!" when
// the parse fails, and then yields nothing.
std::optional<CellGrid> ImportFigureFromClipboard(const Game& game, Platform& platform);

}  // namespace kelvane
