// SPDX-License-Identifier: GPL-3.0-or-later
// Reading and writing the solved-puzzle record.
#include "storage/solved_record_file.h"

#include "model/game.h"
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
  SolvedPuzzles record;
  bool first = true;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
    if (line.ends_with('\r')) {
      line.remove_suffix(1);
    }
    if (first) {
      if (line != kHeader) {
        return std::nullopt;
      }
      first = false;
      continue;
    }
    if (line.empty()) {
      continue;
    }
    const std::optional<CellGrid> figure = FigureFromKey(line);
    if (!figure) {
      return std::nullopt;
    }
    record.figures.insert(FigureKey(*figure));
  }
  if (first) {
    return std::nullopt;
  }
  return record;
}

void LoadSolvedRecord(Game& game) {
  game.solved = LoadOrSetAside(kSolvedRecordFileName, ParseSolvedRecord).value_or(SolvedPuzzles{});
}

void SaveSolvedRecord(const Game& game) {
  // Until a first win there is nothing to keep, and no file to add to the player's folder.
  if (game.solved.figures.empty()) {
    return;
  }
  ReplaceFile(kSolvedRecordFileName, FormatSolvedRecord(game.solved));
}

}  // namespace kelvane
