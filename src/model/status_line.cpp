// SPDX-License-Identifier: GPL-3.0-or-later
// Wording the status line.
#include "model/status_line.h"

#include <vector>

#include "model/cell_grid.h"
#include "model/command_ids.h"
#include "model/create_mode.h"
#include "model/game.h"
#include "model/pieces.h"
#include "model/placement.h"
#include "model/utf8_text.h"

namespace kelvane {

namespace {

constexpr std::string_view kSeparator = " · ";

std::string Counted(int count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

std::string PiecesLaid(const Game& game) {
  int laid = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    laid += PieceOnField(game, PieceCellValue(k)) ? 1 : 0;
  }
  return std::to_string(laid) + " of " + std::to_string(kPieceCount) + " pieces laid";
}

std::vector<std::string> CreationParts(const Game& game) {
  if (InCreateByCubesMode(game)) {
    return {"New figure", "Creating by cubes", Counted(CountCells(game.field), "cube", "cubes")};
  }
  return {"New figure", "Creating by pieces", PiecesLaid(game)};
}

void AddWinParts(const Game& game, std::vector<std::string>& parts) {
  const PlayTally& play = game.play;
  if (!game.extras.clockAndMoves) {
    parts.emplace_back("Solved");
    return;
  }
  parts.push_back("Solved in " + ClockText(play.clock.elapsedMs));
  parts.push_back(Counted(play.moves, "move", "moves"));
  if (play.bestBefore && play.bestBefore->ms <= play.clock.elapsedMs) {
    parts.push_back("best " + ClockText(play.bestBefore->ms));
  } else {
    parts.emplace_back("new best");
  }
}

void AddNextPart(const NextPuzzleNote& next, std::vector<std::string>& parts) {
  if (next) {
    parts.push_back(next->empty() ? "Every library puzzle solved"
                                  : "Next: " + ReadableName(next->substr(0, next->rfind('.'))) +
                                        " (" + std::string(kNextPuzzleKey) + ")");
  }
}

std::vector<std::string> PlayParts(const Game& game, FigureTier tier, std::int64_t nowMs,
                                   const NextPuzzleNote& next) {
  const PlayTally& play = game.play;
  std::vector<std::string> parts{play.puzzleName.empty() ? "Default figure"
                                                         : ReadableName(play.puzzleName)};
  if (tier.counting || !tier.name.empty()) {
    parts.emplace_back(tier.counting ? "…" : tier.name);
  }
  if (play.won) {
    AddWinParts(game, parts);
    AddNextPart(next, parts);
    return parts;
  }
  parts.push_back(PiecesLaid(game));
  if (game.extras.clockAndMoves) {
    parts.push_back(ClockText(ElapsedMs(play.clock, nowMs)));
    parts.push_back(Counted(play.moves, "move", "moves"));
    if (play.hints > 0) {
      parts.push_back(Counted(play.hints, "hint", "hints"));
    }
  }
  return parts;
}

// Said while the window would not fit the screen at SCALE and the field is drawn smaller.
void AddScalePart(const Game& game, std::vector<std::string>& parts) {
  // The field cube is 9·s pixels wide at scale s.
  const int drawn = game.fieldGeometry.W / 9;
  if (drawn > 0 && drawn < game.settings.SCALE) {
    parts.push_back("Drawn at scale " + std::to_string(drawn) + " to fit the screen");
  }
}

}  // namespace

std::string StatusLineText(const Game& game, FigureTier tier, std::int64_t nowMs,
                           const NextPuzzleNote& next) {
  std::vector<std::string> parts =
      game.createMode != 0 ? CreationParts(game) : PlayParts(game, tier, nowMs, next);
  AddScalePart(game, parts);
  std::string text;
  for (const std::string& part : parts) {
    text += (text.empty() ? "" : std::string(kSeparator)) + part;
  }
  return text;
}

std::string BestText(const PuzzleBest& best) {
  return "Best " + ClockText(best.ms) + ", " + Counted(best.moves, "move", "moves");
}

std::string ClockText(std::int64_t ms) {
  const std::int64_t seconds = ms / 1000;
  const auto twoDigits = [](std::int64_t n) { return (n < 10 ? "0" : "") + std::to_string(n); };
  if (seconds < 3600) {
    return std::to_string(seconds / 60) + ":" + twoDigits(seconds % 60);
  }
  return std::to_string(seconds / 3600) + ":" + twoDigits(seconds / 60 % 60) + ":" +
         twoDigits(seconds % 60);
}

}  // namespace kelvane
