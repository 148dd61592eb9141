// SPDX-License-Identifier: GPL-3.0-or-later
// Laying, picking up, removing and hiding pieces.
#include "model/placement.h"

#include "model/command_states.h"
#include "model/game.h"
#include "model/motion_timeline.h"
#include "model/move_history.h"
#include "model/play_tally.h"
#include "model/win_check.h"

namespace kelvane {

namespace {

bool IsPieceValue(std::int8_t value) {
  return value >= 2 && value <= 8;
}

bool PieceHidden(const Game& game, std::int8_t value) {
  return game.hideFlags[value - 2] != 0;
}

// After a refused placement only the cubes on empty cells of the box show, as plain cubes.
void ShowRefusedCubesAsPlain(const Game& game, std::int8_t value, CellGrid& out) {
  const Extents f = GridExtents(game.figure);
  for (int z = 0; z < f.z; ++z) {
    for (int y = 0; y < f.y; ++y) {
      for (int x = 0; x < f.x; ++x) {
        if (out.at(x, y, z) == value) {
          out.at(x, y, z) = kPlainCube;
        }
      }
    }
  }
}

}  // namespace

int SelectedPanelItem(Platform& platform) {
  const int item = platform.PanelSelection();
  return item >= 0 && item <= kPieceCount ? item : -1;
}

bool PieceOnField(const Game& game, std::int8_t value) {
  const Extents f = GridExtents(game.figure);
  for (int z = 0; z < f.z; ++z) {
    for (int y = 0; y < f.y; ++y) {
      for (int x = 0; x < f.x; ++x) {
        if (game.field.at(x, y, z) == value) {
          return true;
        }
      }
    }
  }
  return false;
}

bool AllPiecesOnField(const Game& game) {
  bool all = true;
  for (int k = 0; k < kPieceCount; ++k) {
    all = PieceOnField(game, PieceCellValue(k)) && all;
  }
  return all;
}

bool ComposePlacement(const Game& game, Platform& platform, std::optional<FloorCell> cell,
                      CellGrid& out) {
  out = game.field;
  if (!cell) {
    return false;
  }
  const int s = SelectedPanelItem(platform);
  if (s < 1) {
    return false;
  }
  const std::int8_t v = PieceCellValue(s - 1);
  if (PieceOnField(game, v)) {
    return false;
  }
  const CellGrid& piece = game.pieceGrids[s - 1];
  const Extents p = GridExtents(piece);
  const Extents f = GridExtents(game.figure);
  bool ok = true;
  for (int pz = 0; pz < p.z; ++pz) {
    for (int py = 0; py < p.y; ++py) {
      for (int px = 0; px < p.x; ++px) {
        if (piece.at(px, py, pz) == 0) {
          continue;
        }
        const int tx = cell->x + px;
        const int ty = cell->y + py;
        const int tz = game.currentLayer + pz;
        if (tx < 0 || ty < 0 || tz < 0 || tx >= f.x || ty >= f.y || tz >= f.z) {
          ok = false;
          continue;
        }
        std::int8_t& target = out.at(tx, ty, tz);
        if (target != 0) {
          ok = false;
          if (IsPieceValue(target) && PieceHidden(game, target)) {
            target = kMarkedCell;
          }
          continue;
        }
        if (game.figure.at(tx, ty, tz) == 0) {
          ok = false;
        }
        target = v;
      }
    }
  }
  if (!ok) {
    ShowRefusedCubesAsPlain(game, v, out);
  }
  return ok;
}

void PlaceSelectedPiece(Game& game, Platform& platform, std::optional<FloorCell> cell) {
  CellGrid placed;
  if (!ComposePlacement(game, platform, cell, placed)) {
    platform.Beep();
    return;
  }
  RecordMove(game);
  game.field = placed;
  StartDropMotion(game, platform, SelectedPanelItem(platform) - 1);
  CountMove(game, platform);
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
  RunWinCheck(game, platform);
}

void PickUpPiece(Game& game, Platform& platform, std::int8_t value) {
  platform.SetPanelSelection(value - 1);
  RecordMove(game);
  StartLiftMotion(game, platform, game.field, value - PieceCellValue(0));
  ClearCellValue(game.field, value);
  CountMove(game, platform);
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

void RemoveSelectedPiece(Game& game, Platform& platform) {
  const int s = SelectedPanelItem(platform);
  if (s < 1) {
    return;
  }
  const bool onField = PieceOnField(game, PieceCellValue(s - 1));
  if (onField) {
    RecordMove(game);
    StartLiftMotion(game, platform, game.field, s - 1);
  }
  ClearCellValue(game.field, PieceCellValue(s - 1));
  if (onField) {
    CountMove(game, platform);
  }
  platform.Invalidate(false);
}

void HidePiece(Game& game, Platform& platform, int pieceNumber) {
  std::uint8_t& flag = game.hideFlags[pieceNumber - 1];
  flag = flag == 0 ? 1 : 0;
  UpdateCommandStates(game, platform);
  platform.Invalidate(false);
}

}  // namespace kelvane
