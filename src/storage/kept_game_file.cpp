// SPDX-License-Identifier: GPL-3.0-or-later
// Writing, checking and continuing the kept game.
#include "storage/kept_game_file.h"

#include <algorithm>
#include <charconv>

#include "model/command_states.h"
#include "model/create_mode.h"
#include "model/game.h"
#include "model/move_history.h"
#include "model/orientation.h"
#include "model/placement.h"
#include "model/puzzle_start.h"
#include "model/view_turn.h"
#include "storage/ini_reader.h"
#include "storage/set_aside_file.h"

namespace kelvane {

namespace {

constexpr std::string_view kSection = "Game";
constexpr std::string_view kLineEnd = "\r\n";
constexpr int kVersion = 1;
constexpr char kGap = '.';
constexpr char kFigureCube = '#';
constexpr char kCreatedCube = '+';

char CellChar(const KeptGame& kept, int x, int y, int z) {
  const std::int8_t cell = kept.field.at(x, y, z);
  if (cell == kPlainCube) {
    return kCreatedCube;
  }
  if (cell >= PieceCellValue(0) && cell <= PieceCellValue(kPieceCount - 1)) {
    return static_cast<char>('1' + cell - PieceCellValue(0));
  }
  return kept.figure.at(x, y, z) != 0 ? kFigureCube : kGap;
}

// Writes the cell of `c` into both grids (a Field cube always lies on a Figure cube); false for a
// character that is no cell.
bool ReadCell(char c, KeptGame& kept, int x, int y, int z) {
  std::int8_t field = 0;
  if (c == kCreatedCube) {
    field = kPlainCube;
  } else if (c >= '1' && c < '1' + kPieceCount) {
    field = PieceCellValue(c - '1');
  } else if (c != kFigureCube) {
    return c == kGap;
  }
  kept.field.at(x, y, z) = field;
  kept.figure.at(x, y, z) = kPlainCube;
  return true;
}

// The whole value as one integer within [low, high].
std::optional<int> ReadNumber(std::string_view value, int low, int high) {
  int number = 0;
  const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), number);
  if (error != std::errc{} || end != value.data() + value.size() || number < low || number > high) {
    return std::nullopt;
  }
  return number;
}

std::optional<int> ReadKey(std::string_view text, std::string_view key, int low, int high) {
  const std::optional<std::string_view> value = FindIniValue(text, kSection, key);
  return value ? ReadNumber(*value, low, high) : std::nullopt;
}

std::optional<Extents> ReadSize(std::string_view text) {
  const std::optional<std::string_view> value = FindIniValue(text, kSection, "SIZE");
  if (!value) {
    return std::nullopt;
  }
  std::array<int, 3> size{};
  std::string_view rest = *value;
  for (int& axis : size) {
    const std::size_t blank = std::min(rest.find(' '), rest.size());
    const std::optional<int> number = ReadNumber(rest.substr(0, blank), 1, kGridSize);
    if (!number) {
      return std::nullopt;
    }
    axis = *number;
    rest = rest.substr(std::min(blank + 1, rest.size()));
  }
  if (!rest.empty()) {
    return std::nullopt;
  }
  return Extents{size[0], size[1], size[2]};
}

bool ReadLayers(std::string_view text, Extents size, KeptGame& kept) {
  for (int z = 0; z < size.z; ++z) {
    const std::optional<std::string_view> row =
        FindIniValue(text, kSection, "Z" + std::to_string(z));
    if (!row || row->size() != static_cast<std::size_t>(size.y * (size.x + 1) - 1)) {
      return false;
    }
    for (int y = 0; y < size.y; ++y) {
      for (int x = 0; x < size.x; ++x) {
        if (!ReadCell((*row)[y * (size.x + 1) + x], kept, x, y, z)) {
          return false;
        }
      }
      if (y + 1 < size.y && (*row)[y * (size.x + 1) + size.x] != '/') {
        return false;
      }
    }
  }
  return true;
}

// Every cube fits the mode, and every piece lies in one of its own orientations.
bool FieldFitsMode(const KeptGame& kept, const Game& game) {
  const bool cubes = kept.createMode == 1 && kept.creationKind == kCreationByCubes;
  for (const std::int8_t cell : kept.field.cells) {
    if (cell != 0 && (cell == kPlainCube) != cubes) {
      return false;
    }
  }
  for (int k = 0; k < kPieceCount; ++k) {
    CellGrid shape;
    for (int i = 0; i < kGridCells; ++i) {
      shape.cells[i] = kept.field.cells[i] == PieceCellValue(k) ? PieceCellValue(k) : 0;
    }
    if (!GridHasCells(shape)) {
      continue;
    }
    NormaliseGrid(shape);
    bool known = false;
    for (int slot = 0; slot < game.orientationCounts[k] && !known; ++slot) {
      known = GridEquals(shape, OrientationSlot(game, k, slot));
    }
    if (!known) {
      return false;
    }
  }
  return true;
}

// A name read from a folder may hold any byte; a line break would end the value early.
std::string SingleLine(std::string name) {
  std::ranges::replace_if(
      name, [](char c) { return c == '\r' || c == '\n'; }, ' ');
  return name;
}

// The tally is a later addition: where it is missing or damaged the game goes on from nothing.
void ReadTally(std::string_view text, KeptGame& kept) {
  constexpr int kMost = 1'000'000'000;
  kept.puzzleName = std::string(FindIniValue(text, kSection, "PUZZLE_NAME").value_or(""));
  const std::optional<std::string_view> clock = FindIniValue(text, kSection, "CLOCK_MS");
  std::int64_t ms = 0;
  if (clock &&
      std::from_chars(clock->data(), clock->data() + clock->size(), ms).ec == std::errc{} &&
      ms >= 0) {
    kept.clockMs = ms;
  }
  kept.moves = ReadKey(text, "MOVES", 0, kMost).value_or(0);
  kept.hints = ReadKey(text, "HINTS", 0, kMost).value_or(0);
  kept.won = ReadKey(text, "WON", 0, 1).value_or(0) == 1;
}

}  // namespace

std::string FormatKeptGame(const KeptGame& kept) {
  const Extents f = GridExtents(kept.figure);
  const Extents p = GridExtents(kept.field);
  const Extents size{std::max(f.x, p.x), std::max(f.y, p.y), std::max(f.z, p.z)};
  std::string text = "[" + std::string(kSection) + "]" + std::string(kLineEnd);
  const auto line = [&text](std::string_view key, const std::string& value) {
    text += std::string(key) + " = " + value + std::string(kLineEnd);
  };
  line("VERSION", std::to_string(kVersion));
  line("CREATE_MODE", std::to_string(kept.createMode));
  line("CREATION_KIND", std::to_string(kept.creationKind));
  line("CURRENT_LAYER", std::to_string(kept.currentLayer));
  line("SHOWN_LAYERS", std::to_string(kept.shownLayers));
  std::string hidden;
  for (const std::uint8_t flag : kept.hideFlags) {
    hidden += flag != 0 ? '1' : '0';
  }
  line("HIDDEN", hidden);
  line("SELECTED", std::to_string(kept.selection));
  line("ANNOUNCE_WIN", std::to_string(kept.winAnnouncement));
  line("PUZZLE_NAME", SingleLine(kept.puzzleName));
  line("CLOCK_MS", std::to_string(kept.clockMs));
  line("MOVES", std::to_string(kept.moves));
  line("HINTS", std::to_string(kept.hints));
  line("WON", kept.won ? "1" : "0");
  line("SIZE",
       std::to_string(size.x) + " " + std::to_string(size.y) + " " + std::to_string(size.z));
  for (int z = 0; z < size.z; ++z) {
    std::string rows;
    for (int y = 0; y < size.y; ++y) {
      if (y > 0) {
        rows += '/';
      }
      for (int x = 0; x < size.x; ++x) {
        rows += CellChar(kept, x, y, z);
      }
    }
    line("Z" + std::to_string(z), rows);
  }
  return text;
}

std::optional<KeptGame> ParseKeptGame(std::string_view text, const Game& game) {
  KeptGame kept;
  const std::optional<Extents> size = ReadSize(text);
  if (ReadKey(text, "VERSION", kVersion, kVersion) != kVersion || !size ||
      !ReadLayers(text, *size, kept) || !GridHasCells(kept.figure)) {
    return std::nullopt;
  }
  const int layers = GridExtents(kept.figure).z;
  const std::optional<int> createMode = ReadKey(text, "CREATE_MODE", 0, 1);
  const std::optional<int> creationKind = ReadKey(text, "CREATION_KIND", 0, 1);
  const std::optional<int> currentLayer = ReadKey(text, "CURRENT_LAYER", 0, layers - 1);
  const std::optional<int> shownLayers = ReadKey(text, "SHOWN_LAYERS", 1, layers);
  const std::optional<int> selection = ReadKey(text, "SELECTED", -1, kPieceCount);
  const std::optional<int> announce = ReadKey(text, "ANNOUNCE_WIN", 0, 1);
  const std::optional<std::string_view> hidden = FindIniValue(text, kSection, "HIDDEN");
  if (!createMode || !creationKind || !currentLayer || !shownLayers || !selection || !announce ||
      !hidden || hidden->size() != kPieceCount ||
      hidden->find_first_not_of("01") != std::string_view::npos) {
    return std::nullopt;
  }
  kept.createMode = *createMode;
  kept.creationKind = *creationKind;
  kept.currentLayer = *currentLayer;
  kept.shownLayers = *shownLayers;
  kept.selection = *selection;
  kept.winAnnouncement = *announce;
  for (int k = 0; k < kPieceCount; ++k) {
    kept.hideFlags[k] = (*hidden)[k] == '1' ? 1 : 0;
  }
  if (!FieldFitsMode(kept, game)) {
    return std::nullopt;
  }
  ReadTally(text, kept);
  return kept;
}

KeptGame KeepGame(const Game& game, Platform& platform) {
  return {game.figure,
          game.field,
          game.createMode,
          game.creationKind,
          game.currentLayer,
          game.shownLayers,
          game.hideFlags,
          SelectedPanelItem(platform),
          game.winAnnouncement,
          game.play.puzzleName,
          ElapsedMs(game.play.clock, platform.Milliseconds()),
          game.play.moves,
          game.play.hints,
          game.play.won};
}

void ResumeKeptGame(Game& game, Platform& platform) {
  const std::optional<KeptGame> kept = LoadOrSetAside(
      kKeptGameFileName, [&game](std::string_view text) { return ParseKeptGame(text, game); });
  if (!kept) {
    return;
  }
  StartPuzzle(game, platform, kept->figure);
  BeginNewHistory(game);
  game.createMode = kept->createMode;
  game.creationKind = kept->creationKind;
  game.field = kept->field;
  game.currentLayer = kept->currentLayer;
  game.shownLayers = kept->shownLayers;
  game.hideFlags = kept->hideFlags;
  game.winAnnouncement = kept->winAnnouncement;
  game.play.puzzleName = kept->puzzleName;
  game.play.clock.elapsedMs = kept->clockMs;
  game.play.clock.stopped = kept->won;
  game.play.moves = kept->moves;
  game.play.hints = kept->hints;
  game.play.won = kept->won;
  if (kept->won) {
    game.play.bestBefore = BestOf(game.bests, game.figure);
  }
  TakePlacedPieceShapes(game);
  platform.FitWindow();
  if (kept->selection >= 0) {
    platform.SetPanelSelection(kept->selection);
  }
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

void SaveKeptGame(const Game& game, Platform& platform) {
  ReplaceFile(kKeptGameFileName, FormatKeptGame(KeepGame(game, platform)));
}

}  // namespace kelvane
