// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the searches' requests and answers.
#include "analysis/search_text.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <span>

#include "analysis/analyse.h"
#include "analysis/player_count.h"
#include "analysis/solution_browser.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/pieces.h"

namespace kelvane {

namespace {

constexpr std::string_view kFigure = "figure ";
constexpr std::string_view kField = "field ";
constexpr std::string_view kFound = "found ";
constexpr std::string_view kNone = "none ";
constexpr std::string_view kSolutions = "solutions";
constexpr std::string_view kAfter = "after";
constexpr std::string_view kSolution = "solution";
constexpr std::string_view kCount = "count";
constexpr std::string_view kTooMany = " too many";
constexpr int kCompletionNumbers = kPieceCount * 4;

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

// The line `label` at the front of `text` with its words after the label, dropped from there.
std::optional<std::string_view> TakeLine(std::string_view& text, std::string_view label) {
  const std::size_t end = text.find('\n');
  if (end == std::string_view::npos || !text.starts_with(label)) {
    return std::nullopt;
  }
  const std::string_view line = text.substr(label.size(), end - label.size());
  text.remove_prefix(end + 1);
  return line;
}

// Exactly numbers.size() whole numbers, each after a space.
bool ReadNumbers(std::string_view line, std::span<std::int64_t> numbers) {
  for (std::int64_t& number : numbers) {
    if (!line.starts_with(' ')) {
      return false;
    }
    const auto [end, error] = std::from_chars(line.data() + 1, line.data() + line.size(), number);
    if (error != std::errc() || end == line.data() + 1) {
      return false;
    }
    line.remove_prefix(static_cast<std::size_t>(end - line.data()));
  }
  return line.empty();
}

std::optional<std::array<bool, 3>> ReadFlags(std::string_view line) {
  std::array<std::int64_t, 3> numbers{};
  if (!ReadNumbers(line, numbers) ||
      std::ranges::any_of(numbers, [](std::int64_t n) { return n < 0 || n > 1; })) {
    return std::nullopt;
  }
  return std::array<bool, 3>{numbers[0] == 1, numbers[1] == 1, numbers[2] == 1};
}

std::string FlagsLine(std::array<bool, 3> flags) {
  std::string line(kSolutions);
  for (const bool flag : flags) {
    line += flag ? " 1" : " 0";
  }
  return line;
}

void AppendCompletion(std::string& text, std::string_view label, const Completion& completion) {
  text += label;
  for (const auto& piece : completion.cells) {
    for (const std::int16_t index : piece) {
      text += ' ' + std::to_string(index);
    }
  }
  text += '\n';
}

// A completion whose cubes lie on `figure`; piece 7's fourth is none.
std::optional<Completion> ReadCompletion(std::string_view line, const CellGrid& figure) {
  std::array<std::int64_t, kCompletionNumbers> numbers{};
  if (!ReadNumbers(line, numbers)) {
    return std::nullopt;
  }
  Completion completion;
  for (int i = 0; i < kCompletionNumbers; ++i) {
    const std::int64_t index = numbers[i];
    const bool none = i == kCompletionNumbers - 1;
    if (none ? index != -1
             : index < 0 || index >= kGridCells || figure.cells[index] != kPlainCube) {
      return std::nullopt;
    }
    completion.cells[i / 4][i % 4] = static_cast<std::int16_t>(index);
  }
  return completion;
}

}  // namespace

std::string PositionText(const CellGrid& figure, const CellGrid& field) {
  std::string text;
  AppendGrid(text, kFigure, figure);
  AppendGrid(text, kField, field);
  return text;
}

std::optional<std::pair<CellGrid, CellGrid>> ReadPosition(std::string_view text) {
  const std::optional<CellGrid> figure = TakeGrid(text, kFigure);
  const std::optional<CellGrid> field = figure ? TakeGrid(text, kField) : std::nullopt;
  if (!field || !text.empty() || !FitsField(*figure, CellGrid{}, *field, false)) {
    return std::nullopt;
  }
  return std::pair{*figure, *field};
}

std::string PlayerCountText(const PlayerCount& count) {
  return std::string(kCount) +
         (count.tooMany ? std::string(kTooMany)
                        : ' ' + std::to_string(count.counts.completions) + ' ' +
                              std::to_string(count.counts.distinct)) +
         '\n';
}

std::optional<PlayerCount> ReadPlayerCount(std::string_view text) {
  const std::optional<std::string_view> line = TakeLine(text, kCount);
  if (!line || !text.empty()) {
    return std::nullopt;
  }
  if (*line == kTooMany) {
    return PlayerCount{.counts = {}, .tooMany = true};
  }
  PlayerCount count;
  const char* at = line->data();
  const char* const end = at + line->size();
  for (std::uint64_t* number : {&count.counts.completions, &count.counts.distinct}) {
    if (at == end || *at != ' ' || at + 1 == end || at[1] < '0' || at[1] > '9') {
      return std::nullopt;
    }
    const auto [after, error] = std::from_chars(at + 1, end, *number);
    if (error != std::errc()) {
      return std::nullopt;
    }
    at = after;
  }
  if (at != end || count.counts.distinct > count.counts.completions) {
    return std::nullopt;
  }
  return count;
}

std::string SearchRequestText(const Game& game) {
  return PositionText(game.figure, game.field);
}

std::string AnswerSearchRequest(std::string_view request) {
  const auto position = ReadPosition(request);
  if (!position) {
    return {};
  }
  const std::unique_ptr<Game> game = GameOn(position->first);
  game->field = position->second;
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

std::string SolutionSearchText(const SolutionSearch& search) {
  std::string text = FlagsLine({search.start, search.backward, search.needsTotal}) + '\n' +
                     PositionText(search.figure, search.field);
  if (search.after) {
    AppendCompletion(text, kAfter, *search.after);
  }
  return text;
}

std::optional<SolutionSearch> ReadSolutionSearch(std::string_view text) {
  const std::optional<std::string_view> flagLine = TakeLine(text, kSolutions);
  const std::optional<std::array<bool, 3>> flags = flagLine ? ReadFlags(*flagLine) : std::nullopt;
  const std::size_t afterAt = text.find(kAfter);
  const auto position = flags ? ReadPosition(text.substr(0, afterAt)) : std::nullopt;
  if (!position) {
    return std::nullopt;
  }
  text.remove_prefix(afterAt == std::string_view::npos ? text.size() : afterAt);
  const auto& [figure, field] = *position;
  SolutionSearch search{.figure = figure,
                        .field = field,
                        .start = (*flags)[0],
                        .backward = (*flags)[1],
                        .after = std::nullopt,
                        .needsTotal = (*flags)[2]};
  if (const std::optional<std::string_view> after = TakeLine(text, kAfter)) {
    search.after = ReadCompletion(*after, figure);
    if (!search.after) {
      return std::nullopt;
    }
  }
  return text.empty() ? std::optional(search) : std::nullopt;
}

std::string SolutionsFoundText(const SolutionsFound& found) {
  std::string text = FlagsLine({found.fromPlayersPieces, found.wrapped, found.run.reachedEnd}) +
                     ' ' + (found.total ? std::to_string(*found.total) : "-") + '\n';
  AppendGrid(text, kField, found.field);
  for (const Completion& completion : found.run.completions) {
    AppendCompletion(text, kSolution, completion);
  }
  return text;
}

std::optional<SolutionsFound> ReadSolutionsFound(std::string_view text, const CellGrid& figure) {
  std::optional<std::string_view> flagLine = TakeLine(text, kSolutions);
  const std::size_t totalAt = flagLine ? flagLine->rfind(' ') : std::string_view::npos;
  if (totalAt == std::string_view::npos) {
    return std::nullopt;
  }
  const std::optional<std::array<bool, 3>> flags = ReadFlags(flagLine->substr(0, totalAt));
  const std::string_view totalText = flagLine->substr(totalAt + 1);
  std::optional<CellGrid> field = flags ? TakeGrid(text, kField) : std::nullopt;
  if (!field || !FitsField(figure, CellGrid{}, *field, false)) {
    return std::nullopt;
  }
  SolutionsFound found{.run = {.completions = {}, .reachedEnd = (*flags)[2]},
                       .field = *field,
                       .fromPlayersPieces = (*flags)[0],
                       .wrapped = (*flags)[1],
                       .total = std::nullopt};
  if (totalText != "-") {
    std::uint64_t total = 0;
    const auto [end, error] =
        std::from_chars(totalText.data(), totalText.data() + totalText.size(), total);
    if (error != std::errc() || end != totalText.data() + totalText.size()) {
      return std::nullopt;
    }
    found.total = total;
  }
  while (!text.empty()) {
    const std::optional<std::string_view> line = TakeLine(text, kSolution);
    std::optional<Completion> completion = line ? ReadCompletion(*line, figure) : std::nullopt;
    if (!completion) {
      return std::nullopt;
    }
    found.run.completions.push_back(*completion);
  }
  return found;
}

}  // namespace kelvane
