// SPDX-License-Identifier: GPL-3.0-or-later
// Puzzle files: a figure's size and its layers as INI text, kept in the "Puzzles" folder.
#pragma once

#include <string>
#include <string_view>

#include "model/cell_grid.h"

namespace kelvane {

inline constexpr std::string_view kPuzzleFolder = "Puzzles";
inline constexpr std::string_view kPuzzleExtension = ".kvp";

// Extents the reader accepts on every axis: everything the writer and the importer produce.
inline constexpr int kMinPuzzleExtent = 1;
inline constexpr int kMaxPuzzleExtent = kGridSize;

// "Puzzles/" + fileName, relative to the current directory.
std::string PuzzleFilePath(std::string_view fileName);

// The path a puzzle saved under `puzzleName` goes to: "Puzzles/" + puzzleName + ".kvp".
std::string SavedPuzzlePath(std::string_view puzzleName);

// The file text of `figure` over its extents ("[SIZE]", DX/DY/DZ, then one "[Zz]" section of
// "Yy = " rows per layer), CR LF line ends and no empty line at the end. A cell is "1" when
// non-zero. The figure is expected to start at the origin.
std::string FormatPuzzleText(const CellGrid& figure);

// Reads a puzzle text into `LoadedFigure` (cells 0 or 1; any row character other than "0" is a
// cube). False when the text is rejected: a size outside 1…12 or a row whose length is not DX.
// On false `LoadedFigure` is left as it was.
bool ParsePuzzleText(std::string_view text, CellGrid& LoadedFigure);

// ParsePuzzleText over the file "Puzzles/" + fileName (extension included); a missing or
// unreadable file is rejected. Shows no message.
bool ReadPuzzleFile(std::string_view fileName, CellGrid& LoadedFigure);

// True when an entry (file, folder or link) of that path exists.
bool PuzzleFileExists(const std::string& path);

}  // namespace kelvane
