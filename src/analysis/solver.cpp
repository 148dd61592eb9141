// SPDX-License-Identifier: GPL-3.0-or-later
// Choosing the search for the size of the Figure and writing its completion into WorkGrid.
#include "analysis/solver.h"

#include "analysis/ordered_search.h"
#include "analysis/placements.h"
#include "analysis/plain_search.h"
#include "model/game.h"

namespace kelvane {

bool SolveFrom(Game& game, int pieceIndex, Extents box, const std::atomic<bool>* stop,
               const LongSearchCheck& longSearch) {
  const PieceList pieces = PiecesToLay(game, pieceIndex);
  if (pieces.count == 0) {
    return true;
  }
  const std::optional<PlacementTable> table = BuildPlacementTable(game, game.WorkGrid, box, pieces);
  if (!table) {
    return (!longSearch || longSearch()) && PlainSearch(game, pieces, 0, box, stop);
  }
  std::array<CellSet, kPieceCount> chosen;
  if (!FindFirstCompletion(*table, chosen, stop, longSearch)) {
    return false;
  }
  for (int e = 0; e < pieces.count; ++e) {
    for (int cell = 0; cell < table->cellCount; ++cell) {
      if (chosen[e].Contains(cell)) {
        game.WorkGrid.cells[table->gridIndex[cell]] = PieceCellValue(pieces.index[e]);
      }
    }
  }
  return true;
}

}  // namespace kelvane
