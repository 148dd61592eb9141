// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the figure-text parser: any text yields nothing or 27 plain cubes at the origin corner.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "creation/figure_import.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto grid = kelvane::ParseFigureText(text);
  if (!grid) {
    return 0;
  }
  KELVANE_FUZZ_CHECK(kelvane::CountCells(*grid) == kelvane::kFigureCubes);
  for (const std::int8_t cell : grid->cells) {
    KELVANE_FUZZ_CHECK(cell == 0 || cell == 1);
  }
  kelvane::CellGrid moved = *grid;
  kelvane::NormaliseGrid(moved);
  KELVANE_FUZZ_CHECK(kelvane::GridEquals(moved, *grid));
  return 0;
}
