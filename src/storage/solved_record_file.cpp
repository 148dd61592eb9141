// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the solved-puzzle record.
#include "storage/solved_record_file.h"

#include "model/game.h"
#include "storage/record_lines.h"
#include "storage/set_aside_file.h"

namespace kelvane {

namespace {

constexpr std::string_view kHeader = "Kelvane solved puzzles 1";
constexpr std::string_view kLineEnd = "\r\n";

}  // namespace

std::string FormatSolvedRecord(const SolvedPuzzles& record) {
  std::string text(kHeader);
  text += kLineEnd;
  for (const std::string& key : record.figures) {
    text += key;
    text += kLineEnd;
  }
  return text;
}

std::optional<SolvedPuzzles> ParseSolvedRecord(std::string_view text) {
  const std::optional<std::vector<std::string_view>> lines = RecordLines(text, kHeader);
  if (!lines) {
    return std::nullopt;
  }
  SolvedPuzzles record;
  for (const std::string_view line : *lines) {
    const std::optional<CellGrid> figure = FigureFromKey(line);
    if (!figure) {
      return std::nullopt;
    }
    record.figures.insert(FigureKey(*figure));
  }
  return record;
}

void LoadSolvedRecord(Game& game) {
  game.solved = LoadOrSetAside(kSolvedRecordFileName, ParseSolvedRecord).value_or(SolvedPuzzles{});
}

}  // namespace kelvane
