// SPDX-License-Identifier: GPL-3.0-or-later
// Importing a figure text from a file rather than from the clipboard.
#include "import_command.h"

#include <filesystem>
#include <optional>
#include <string>

#include "creation/figure_import.h"
#include "puzzle_game.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane::tool {

int RunImport(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
  if (args.size() != 2) {
    err << "usage: kelvane-tool import TEXTFILE OUTFILE\n";
    return kExitUsage;
  }
  const std::optional<std::string> text = ReadTextFile(std::filesystem::path(args[0]));
  if (!text) {
    err << args[0] << ": cannot be read\n";
    return kExitUsage;
  }
  const std::optional<CellGrid> figure = ParseFigureText(*text);
  if (!figure) {
    err << kFigureFormatMessage << '\n';
    return kExitFailure;
  }
  switch (ReplaceFile(std::filesystem::path(args[1]), FormatPuzzleText(*figure))) {
    case FileWriteResult::Written:
      out << args[1] << '\t' << "cubes=" << CountCells(*figure) << '\n';
      return kExitSuccess;
    case FileWriteResult::NotCreated:
      err << "Error create file for save.\n";
      return kExitFailure;
    case FileWriteResult::NotWritten:
      err << "Error save file.\n";
      return kExitFailure;
  }
  return kExitFailure;
}

}  // namespace kelvane::tool
