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
#include "model/text_template.h"
#include "model/utf8_text.h"

namespace kelvane {

namespace {

constexpr std::string_view kSeparator = " · ";

std::string Moves(const Wording& words, int moves) {
  return words.Word(PLAYER_COUNTED("%n move(s)"), {}, moves);
}

std::string PiecesLaid(const Game& game, const Wording& words) {
  int laid = 0;
  for (int k = 0; k < kPieceCount; ++k) {
    laid += PieceOnField(game, PieceCellValue(k)) ? 1 : 0;
  }
  return words.Word(PLAYER_COUNTED("%1 of %n pieces laid"), {std::to_string(laid)}, kPieceCount);
}

std::vector<std::string> CreationParts(const Game& game, const Wording& words) {
  const std::string figure = words.Word(PLAYER_TEXT("New figure"));
  if (InCreateByCubesMode(game)) {
    return {figure, words.Word(PLAYER_TEXT("Creating by cubes")),
            words.Word(PLAYER_COUNTED("%n cube(s)"), {}, CountCells(game.field))};
  }
  return {figure, words.Word(PLAYER_TEXT("Creating by pieces")), PiecesLaid(game, words)};
}

void AddWinParts(const Game& game, const Wording& words, std::vector<std::string>& parts) {
  const PlayTally& play = game.play;
  if (!game.extras.clockAndMoves) {
    parts.push_back(words.Word(PLAYER_TEXT("Solved")));
    return;
  }
  parts.push_back(words.Word(PLAYER_TEXT("Solved in %1"), {ClockText(play.clock.elapsedMs)}));
  parts.push_back(Moves(words, play.moves));
  if (play.bestBefore && play.bestBefore->ms <= play.clock.elapsedMs) {
    parts.push_back(words.Word(PLAYER_TEXT("best %1"), {ClockText(play.bestBefore->ms)}));
  } else {
    parts.push_back(words.Word(PLAYER_TEXT("new best")));
  }
}

void AddNextPart(const NextPuzzleNote& next, const Wording& words,
                 std::vector<std::string>& parts) {
  if (next) {
    parts.push_back(next->empty() ? words.Word(PLAYER_TEXT("Every library puzzle solved"))
                                  : words.Word(PLAYER_TEXT("Next: %1 (%2)"),
                                               {ReadableName(next->substr(0, next->rfind('.'))),
                                                std::string(kNextPuzzleKey)}));
  }
}

std::vector<std::string> PlayParts(const Game& game, FigureTier tier, std::int64_t nowMs,
                                   const NextPuzzleNote& next, const Wording& words) {
  const PlayTally& play = game.play;
  std::vector<std::string> parts{play.puzzleName.empty() ? words.Word(PLAYER_TEXT("Default figure"))
                                                         : ReadableName(play.puzzleName)};
  if (tier.counting || !tier.name.empty()) {
    parts.push_back(tier.counting ? "…" : words.Word(tier.name));
  }
  if (play.won) {
    AddWinParts(game, words, parts);
    AddNextPart(next, words, parts);
    return parts;
  }
  parts.push_back(PiecesLaid(game, words));
  if (game.extras.clockAndMoves) {
    parts.push_back(ClockText(ElapsedMs(play.clock, nowMs)));
    parts.push_back(Moves(words, play.moves));
    if (play.hints > 0) {
      parts.push_back(words.Word(PLAYER_COUNTED("%n hint(s)"), {}, play.hints));
    }
  }
  return parts;
}

// Said while the window would not fit the screen at SCALE and the field is drawn smaller.
void AddScalePart(const Game& game, const Wording& words, std::vector<std::string>& parts) {
  // The field cube is 9·s pixels wide at scale s.
  const int drawn = game.fieldGeometry.W / 9;
  if (drawn > 0 && drawn < game.settings.SCALE) {
    parts.push_back(
        words.Word(PLAYER_TEXT("Drawn at scale %1 to fit the screen"), {std::to_string(drawn)}));
  }
}

}  // namespace

std::string StatusLineText(const Game& game, FigureTier tier, std::int64_t nowMs,
                           const NextPuzzleNote& next, const Wording& words) {
  std::vector<std::string> parts =
      game.createMode != 0 ? CreationParts(game, words) : PlayParts(game, tier, nowMs, next, words);
  AddScalePart(game, words, parts);
  std::string text;
  for (const std::string& part : parts) {
    text += (text.empty() ? "" : std::string(kSeparator)) + part;
  }
  return text;
}

std::string BestText(const PuzzleBest& best, const Wording& words) {
  return words.Word(PLAYER_TEXT("Best %1, %2"), {ClockText(best.ms), Moves(words, best.moves)});
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
