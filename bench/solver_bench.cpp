// SPDX-License-Identifier: GPL-3.0-or-later
// Solver speed: Test puzzle on every library figure and on the hardest unsolvable 27-cube figures
// we found (library figures with a few cubes moved, searched for the longest failing search),
// counting the completions of every library figure and of generated ones, and "can it still be
// done?" on the library.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "analysis/analyse.h"
#include "analysis/figure_analysis.h"
#include "analysis/solver.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/headless_platform.h"
#include "model/platform.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

CellGrid Cube() {
  CellGrid cube;
  for (int z = 0; z < 3; ++z) {
    for (int y = 0; y < 3; ++y) {
      for (int x = 0; x < 3; ++x) {
        cube.at(x, y, z) = kPlainCube;
      }
    }
  }
  return cube;
}

// The whole Test puzzle command from an empty Field: copy, search, report.
void TestPuzzle(benchmark::State& state, const CellGrid& figure) {
  const auto game = GameOn(figure);
  HeadlessPlatform platform;
  for (auto _ : state) {
    AnalysePuzzle(*game, platform, AnalyseMode::Test);
    benchmark::DoNotOptimize(game->WorkGrid);
  }
}

void BM_TestCube(benchmark::State& state) {
  TestPuzzle(state, Cube());
}
BENCHMARK(BM_TestCube);

// Both counts: the distinct ones come from the full count and the completions each symmetry keeps.
void BM_CountCubeCompletionsAndDistinct(benchmark::State& state) {
  const CellGrid cube = Cube();
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountCompletions(cube));
  }
  const CompletionCounts counts = CountCompletions(cube).value();
  state.SetLabel(std::to_string(counts.completions) + " completions, " +
                 std::to_string(counts.distinct) + " distinct");
}
BENCHMARK(BM_CountCubeCompletionsAndDistinct)->Unit(benchmark::kMicrosecond);

std::vector<std::pair<std::string, CellGrid>> FiguresIn(const std::filesystem::path& folder) {
  std::vector<std::pair<std::string, CellGrid>> figures;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    CellGrid figure;
    const std::optional<std::string> text = ReadTextFile(entry.path());
    if (entry.path().extension() == kPuzzleExtension && text && ParsePuzzleText(*text, figure)) {
      figures.emplace_back(entry.path().stem().string(), figure);
    }
  }
  std::ranges::sort(figures, {}, &std::pair<std::string, CellGrid>::first);
  return figures;
}

std::vector<std::pair<std::string, CellGrid>> LibraryFigures() {
  return FiguresIn(KELVANE_SOURCE_DIR "/resources/Puzzles");
}

// Generated figures of 1 to about 3,000 completions, shapes the library does not hold.
std::vector<std::pair<std::string, CellGrid>> GeneratedFigures() {
  return FiguresIn(KELVANE_SOURCE_DIR "/bench/data/counts");
}

void CountFigure(benchmark::State& state, const CellGrid& figure) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountCompletions(figure));
  }
  state.SetLabel(std::to_string(CountCompletions(figure)->completions) + " completions");
}

void BM_CountWholeLibrary(benchmark::State& state) {
  const auto figures = LibraryFigures();
  for (auto _ : state) {
    for (const auto& [name, figure] : figures) {
      benchmark::DoNotOptimize(CountCompletions(figure));
    }
  }
  state.SetLabel(std::to_string(figures.size()) + " figures");
}
BENCHMARK(BM_CountWholeLibrary)->Unit(benchmark::kMillisecond);

// A game on the figure with the first `laid` pieces of Test puzzle's completion on the Field.
std::unique_ptr<Game> PartlyLaid(const CellGrid& figure, int laid) {
  auto game = GameOn(figure);
  game->WorkGrid = game->field;
  SolveFrom(*game, 0, GridExtents(figure));
  for (int i = 0; i < kGridCells; ++i) {
    const int piece = game->WorkGrid.cells[i] - PieceCellValue(0);
    game->field.cells[i] = piece >= 0 && piece < laid ? game->WorkGrid.cells[i] : kEmptyCell;
  }
  return game;
}

// A game on the figure with piece 7 laid at the first anchor from which nothing completes it,
// so that the check must search every way before it says no.
std::unique_ptr<Game> BlockedByOnePiece(const CellGrid& figure) {
  auto game = GameOn(figure);
  constexpr int kUp = kGridSize * kGridSize;
  for (int cell = 0; cell + kUp < kGridCells; ++cell) {
    if (cell % kGridSize + 1 >= kGridSize || figure.cells[cell] == 0 ||
        figure.cells[cell + 1] == 0 || figure.cells[cell + kUp] == 0) {
      continue;
    }
    game->field.Clear();
    for (int cube : {cell, cell + 1, cell + kUp}) {
      game->field.cells[cube] = PieceCellValue(6);
    }
    if (CanStillComplete(*game) == false) {
      return game;
    }
  }
  game->field.Clear();
  return game;
}

// "Can it still be done?" on every library figure; the slowest figure's median is a counter.
void CheckLibrary(benchmark::State& state,
                  const std::function<std::unique_ptr<Game>(const CellGrid&)>& position) {
  std::vector<std::pair<std::string, std::unique_ptr<Game>>> games;
  for (const auto& [name, figure] : LibraryFigures()) {
    games.emplace_back(name, position(figure));
  }
  std::vector<std::vector<double>> seconds(games.size());
  for (auto _ : state) {
    for (std::size_t i = 0; i < games.size(); ++i) {
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(CanStillComplete(*games[i].second));
      seconds[i].push_back(
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
  }
  double slowest = 0;
  std::string slowestName;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const auto middle = seconds[i].begin() + static_cast<std::ptrdiff_t>(seconds[i].size() / 2);
    std::ranges::nth_element(seconds[i], middle);
    if (*middle > slowest) {
      slowest = *middle;
      slowestName = games[i].first;
    }
  }
  state.counters["slowest_us"] = slowest * 1e6;
  state.SetLabel("slowest: " + slowestName);
}

void BM_CanStillCompleteWithPiecesLaid(benchmark::State& state) {
  const int laid = static_cast<int>(state.range(0));
  CheckLibrary(state, [laid](const CellGrid& figure) { return PartlyLaid(figure, laid); });
}
BENCHMARK(BM_CanStillCompleteWithPiecesLaid)->DenseRange(0, 6)->Unit(benchmark::kMillisecond);

void BM_CanStillCompleteBlockedByOnePiece(benchmark::State& state) {
  CheckLibrary(state, BlockedByOnePiece);
}
BENCHMARK(BM_CanStillCompleteBlockedByOnePiece)->Unit(benchmark::kMillisecond);

// One Test benchmark per puzzle file of a folder, registered before main runs.
bool RegisterFolder(const std::string& prefix, const std::filesystem::path& folder) {
  std::error_code error;
  for (const auto& entry : std::filesystem::directory_iterator(folder, error)) {
    CellGrid figure;
    const std::optional<std::string> text = ReadTextFile(entry.path());
    if (entry.path().extension() == kPuzzleExtension && text && ParsePuzzleText(*text, figure)) {
      std::string name = prefix + entry.path().stem().string();
      std::ranges::replace(name, ' ', '_');  // keeps the report's columns apart
      benchmark::RegisterBenchmark(name.c_str(), TestPuzzle, figure)->Unit(benchmark::kMicrosecond);
    }
  }
  return true;
}

bool RegisterCounts() {
  for (const auto& [prefix, figures] : {std::pair{"BM_CountLibrary/", LibraryFigures()},
                                        std::pair{"BM_CountGenerated/", GeneratedFigures()}}) {
    for (const auto& [name, figure] : figures) {
      std::string label = prefix + name;
      std::ranges::replace(label, ' ', '_');
      benchmark::RegisterBenchmark(label.c_str(), CountFigure, figure)
          ->Unit(benchmark::kMillisecond);
    }
  }
  return true;
}

const bool kCountsRegistered = RegisterCounts();
const bool kLibraryRegistered =
    RegisterFolder("BM_TestLibrary/", KELVANE_SOURCE_DIR "/resources/Puzzles");
const bool kUnsolvableRegistered =
    RegisterFolder("BM_TestUnsolvable/", KELVANE_SOURCE_DIR "/bench/data");

}  // namespace
}  // namespace kelvane
