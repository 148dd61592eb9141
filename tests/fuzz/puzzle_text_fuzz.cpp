// SPDX-License-Identifier: GPL-3.0-or-later
// Fuzzes the puzzle-file reader: what it accepts is plain cubes, and writing it reads back alike.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "fuzz_check.h"
#include "storage/puzzle_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  kelvane::CellGrid loaded;
  if (!kelvane::ParsePuzzleText(text, loaded)) {
    KELVANE_FUZZ_CHECK(!kelvane::GridHasCells(loaded));
    return 0;
  }
  for (const std::int8_t cell : loaded.cells) {
    KELVANE_FUZZ_CHECK(cell == 0 || cell == 1);
  }
  if (kelvane::GridHasCells(loaded)) {
    kelvane::CellGrid again;
    KELVANE_FUZZ_CHECK(kelvane::ParsePuzzleText(kelvane::FormatPuzzleText(loaded), again));
    KELVANE_FUZZ_CHECK(kelvane::GridEquals(again, loaded));
  }
  return 0;
}
