// SPDX-License-Identifier: GPL-3.0-or-later
// Writing and reading the text of puzzle files.
#include "storage/puzzle_file.h"

#include <filesystem>

#include "storage/ini_reader.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

constexpr std::string_view kLineEnd = "\r\n";
// Rows are read as a 260-byte buffer would hold them.
constexpr std::size_t kRowBufferSize = 260;

std::string LayerSection(int z) {
  return "Z" + std::to_string(z);
}
std::string RowKey(int y) {
  return "Y" + std::to_string(y);
}

bool ExtentAccepted(int extent) {
  return extent >= kMinPuzzleExtent && extent <= kMaxPuzzleExtent;
}

}  // namespace

std::string PuzzleFilePath(std::string_view fileName) {
  return std::string(kPuzzleFolder) + "/" + std::string(fileName);
}

std::string SavedPuzzlePath(std::string_view puzzleName) {
  return PuzzleFilePath(std::string(puzzleName) + std::string(kPuzzleExtension));
}

std::string FormatPuzzleText(const CellGrid& figure) {
  const Extents size = GridExtents(figure);
  std::string text = "[SIZE]";
  text += kLineEnd;
  for (const auto& [key, value] : {std::pair{"DX", size.x}, {"DY", size.y}, {"DZ", size.z}}) {
    text += std::string(key) + " = " + std::to_string(value);
    text += kLineEnd;
  }
  text += kLineEnd;
  for (int z = 0; z < size.z; ++z) {
    if (z > 0) {
      text += kLineEnd;
    }
    text += "[" + LayerSection(z) + "]";
    text += kLineEnd;
    for (int y = 0; y < size.y; ++y) {
      text += RowKey(y) + " = ";
      for (int x = 0; x < size.x; ++x) {
        text += figure.at(x, y, z) != 0 ? '1' : '0';
      }
      text += kLineEnd;
    }
  }
  return text;
}

bool ParsePuzzleText(std::string_view text, CellGrid& LoadedFigure) {
  const int dx = ReadIniInt(text, "SIZE", "DX", 0);
  const int dy = ReadIniInt(text, "SIZE", "DY", 0);
  const int dz = ReadIniInt(text, "SIZE", "DZ", 0);
  if (!ExtentAccepted(dx) || !ExtentAccepted(dy) || !ExtentAccepted(dz)) {
    return false;
  }
  // Built aside so that a rejected file never leaves half a figure behind.
  CellGrid figure;
  for (int z = 0; z < dz; ++z) {
    const std::string section = LayerSection(z);
    for (int y = 0; y < dy; ++y) {
      const std::string row = ReadIniString(text, section, RowKey(y), "", kRowBufferSize);
      if (row.size() != static_cast<std::size_t>(dx)) {
        return false;
      }
      for (int x = 0; x < dx; ++x) {
        figure.at(x, y, z) = row[x] != '0' ? kPlainCube : kEmptyCell;
      }
    }
  }
  LoadedFigure = figure;
  return true;
}

bool ReadPuzzleFile(std::string_view fileName, CellGrid& LoadedFigure) {
  const auto text = ReadTextFile(PuzzleFilePath(fileName));
  return text && ParsePuzzleText(*text, LoadedFigure);
}

bool PuzzleFileExists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(std::filesystem::symlink_status(path, error));
}

}  // namespace kelvane
