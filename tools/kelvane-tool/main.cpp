// SPDX-License-Identifier: GPL-3.0-or-later
// kelvane-tool: the solver and the file formats of the game, for puzzle designers and checks.
#include <algorithm>
#include <array>
#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "check_command.h"
#include "count_command.h"
#include "generate_command.h"
#include "import_command.h"
#include "puzzle_game.h"
#include "solve_command.h"

namespace {

using namespace kelvane::tool;
using Args = std::span<const std::string_view>;

// One row per command: the overview and `COMMAND --help` are printed from this table.
struct Command {
  std::string_view name;
  std::string_view arguments;
  std::string_view summary;
  std::string_view details;
  int (*run)(Args, std::ostream&, std::ostream&);
};

constexpr std::array kCommands{
    Command{"check", "[--count] FILE...", "is each puzzle file readable and solvable?",
            "Reads each puzzle file and tests whether its figure can be built. Prints one\n"
            "line per file: its path, \"ok\", \"rejected\" or \"unsolvable\" and \"cubes=N\";\n"
            "with --count also \"solutions=N\". Exit 1 when any file fails.\n",
            RunCheck},
    Command{"solve", "FILE", "the completion Test puzzle finds",
            "Solves the puzzle from an empty field as Test puzzle does and prints the\n"
            "completion in the layout of the puzzle file, each cell \".\" or the number 1 to 7\n"
            "of the piece on it. Exit 1 when the figure cannot be built.\n",
            RunSolve},
    Command{"import", "TEXTFILE OUTFILE", "a figure text written as a puzzle file",
            "Reads a figure as Import from clipboard reads it and writes OUTFILE as Save\n"
            "puzzle writes it. Exit 1 when the text is not a figure of 27 cubes.\n",
            RunImport},
    Command{"count", "[--distinct] [--time-limit S] FILE...",
            "completions (or distinct ones) of each file",
            "Prints one line per file: its path, a tab and its number of completions, or with\n"
            "--distinct of completions that no turn or mirror image of the figure makes the\n"
            "same; \"rejected\" for a file the game does not read and \"unfinished\" for a\n"
            "count stopped after S seconds (either then exit 1).\n",
            RunCount},
    Command{"grade", "FILE...", "completions, distinct ones and difficulty tier",
            "Prints one line per file: path, completions, distinct completions and tier\n"
            "(Easy 100 or more distinct, Medium 20-99, Hard 3-19, Expert 1-2, or\n"
            "\"no completion\"), tab-separated.\n",
            RunGrade},
    Command{"generate", "--cubes 27 --distinct MIN:MAX [--seed S] [--max-size X,Y,Z] N OUTDIR",
            "random figures in a range of distinct completions",
            "Grows random figures of joined cubes (default box 5,5,5) and writes the first N\n"
            "whose distinct completions lie in MIN..MAX, no two alike, to OUTDIR as\n"
            "\"Generated S-NNN.kvp\", printing each grade line. The same seed (default 1)\n"
            "gives the same files. Exit 1 when fewer than N are found.\n",
            RunGenerate},
};

constexpr std::string_view kVersion = "kelvane-tool " KELVANE_VERSION "\n";

bool IsHelp(std::string_view arg) {
  return arg == "--help" || arg == "-h";
}

void PrintOverview(std::ostream& out) {
  out << "usage: kelvane-tool COMMAND [ARGUMENT...]\n"
         "       kelvane-tool [COMMAND] --help\n"
         "       kelvane-tool --version\n\ncommands:\n";
  for (const Command& command : kCommands) {
    const std::string synopsis = std::string(command.name) + " " + std::string(command.arguments);
    // A synopsis longer than the column goes on its own line (the width must not wrap round).
    const bool fits = synopsis.size() + 2 <= 28;
    out << "  " << synopsis
        << (fits ? std::string(28 - synopsis.size(), ' ') : "\n" + std::string(30, ' '))
        << command.summary << "\n";
  }
  out << "\nExit status: 0 done, 1 a file failed, 2 a usage error. See kelvane-tool(6).\n";
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
  if (args.size() == 1 && IsHelp(args.front())) {
    PrintOverview(std::cout);
    return kExitSuccess;
  }
  if (args.size() == 1 && args.front() == "--version") {
    std::cout << kVersion;
    return kExitSuccess;
  }
  const auto command = std::ranges::find(
      kCommands, args.empty() ? std::string_view() : args.front(), &Command::name);
  if (command == kCommands.end()) {
    if (!args.empty()) {
      std::cerr << "kelvane-tool: unknown command '" << args.front() << "'\n";
    }
    PrintOverview(std::cerr);
    return kExitUsage;
  }
  const Args rest = Args(args).subspan(1);
  if (std::ranges::any_of(rest, IsHelp)) {
    std::cout << "usage: kelvane-tool " << command->name << " " << command->arguments << "\n\n"
              << command->details;
    return kExitSuccess;
  }
  return command->run(rest, std::cout, std::cerr);
}
