// kelvane-tool: the solver and the file formats of the game, for puzzle designers and checks.
#include <iostream>
#include <span>
#include <string_view>
#include <vector>

#include "check_command.h"
#include "import_command.h"
#include "puzzle_game.h"
#include "solve_command.h"

namespace {

constexpr std::string_view kUsage =
    "usage: kelvane-tool check [--count] FILE...   is each puzzle file readable and solvable?\n"
    "       kelvane-tool solve FILE                the completion Test puzzle finds\n"
    "       kelvane-tool import TEXTFILE OUTFILE   a figure text written as a puzzle file\n";

}  // namespace

int main(int argc, char** argv) {
  using namespace kelvane::tool;
  const std::vector<std::string_view> args(argv + std::min(argc, 1), argv + argc);
  if (args.empty()) {
    std::cerr << kUsage;
    return kExitUsage;
  }
  const std::string_view command = args.front();
  const std::span<const std::string_view> rest = std::span(args).subspan(1);
  if (command == "check") {
    return RunCheck(rest, std::cout, std::cerr);
  }
  if (command == "solve") {
    return RunSolve(rest, std::cout, std::cerr);
  }
  if (command == "import") {
    return RunImport(rest, std::cout, std::cerr);
  }
  std::cerr << kUsage;
  return kExitUsage;
}
