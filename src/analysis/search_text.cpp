// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the Analyse search's request and answer.
#include "analysis/search_text.h"

#include "analysis/analyse.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/pieces.h"

namespace kelvane {

namespace {

constexpr std::string_view kFigure = "figure ";
constexpr std::string_view kField = "field ";
constexpr std::string_view kFound = "found ";
constexpr std::string_view kNone = "none ";

void AppendGrid(std::string& text, std::string_view label, const CellGrid& grid) {
  text += label;
  for (const std::int8_t cell : grid.cells) {
    text += static_cast<char>('0' + cell);
  }
  text += '\n';
}

// Reads the line `label` at the front of `text` and drops it from there.
std::optional<CellGrid> TakeGrid(std::string_view& text, std::string_view label) {
  const std::size_t end = label.size() + kGridCells;
  if (!text.starts_with(label) || text.size() <= end || text[end] != '\n') {
    return std::nullopt;
  }
  CellGrid grid;
  for (int i = 0; i < kGridCells; ++i) {
    const char c = text[label.size() + i];
    if (c < '0' || c > '9') {
      return std::nullopt;
    }
    grid.cells[i] = static_cast<std::int8_t>(c - '0');
  }
  text.remove_prefix(end + 1);
  return grid;
}

bool IsPieceValue(std::int8_t cell) {
  return cell >= PieceCellValue(0) && cell <= PieceCellValue(kPieceCount - 1);
}

// True when `grid` keeps every cell of `field` and lays only pieces on the other cubes of
// `figure`, all of them when `complete`.
bool FitsField(const CellGrid& figure, const CellGrid& field, const CellGrid& grid, bool complete) {
  for (int i = 0; i < kGridCells; ++i) {
    const std::int8_t cell = grid.cells[i];
    bool fits = cell == field.cells[i];
    if (field.cells[i] == 0 && figure.cells[i] == kPlainCube) {
      fits = cell == 0 ? !complete : IsPieceValue(cell);
    }
    if (!fits || (figure.cells[i] != 0 && figure.cells[i] != kPlainCube)) {
      return false;
    }
  }
  return true;
}

}  // namespace

std::string SearchRequestText(const Game& game) {
  std::string text;
  AppendGrid(text, kFigure, game.figure);
  AppendGrid(text, kField, game.field);
  return text;
}

std::string AnswerSearchRequest(std::string_view request) {
  const std::optional<CellGrid> figure = TakeGrid(request, kFigure);
  const std::optional<CellGrid> field = figure ? TakeGrid(request, kField) : std::nullopt;
  if (!field || !request.empty() || !FitsField(*figure, CellGrid{}, *field, false)) {
    return {};
  }
  const std::unique_ptr<Game> game = GameOn(*figure);
  game->field = *field;
  std::string answer;
  AppendGrid(answer, *SearchCompletion(*game) ? kFound : kNone, game->WorkGrid);
  return answer;
}

std::optional<bool> TakeSearchAnswer(Game& game, std::string_view answer) {
  const bool found = answer.starts_with(kFound);
  const std::optional<CellGrid> grid = TakeGrid(answer, found ? kFound : kNone);
  if (!grid || !answer.empty() || !FitsField(game.figure, game.field, *grid, found)) {
    return std::nullopt;
  }
  game.WorkGrid = *grid;
  return found;
}

}  // namespace kelvane
