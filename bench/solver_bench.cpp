// Solver speed: Test puzzle on every library figure and on the hardest unsolvable 27-cube figures
// we found (library figures with a few cubes moved, searched for the longest failing search),
// and counting every completion of the cube.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <filesystem>
#include <memory>
#include <string>

#include "analysis/analyse.h"
#include "analysis/figure_analysis.h"
#include "model/game.h"
#include "model/game_init.h"
#include "model/platform.h"
#include "storage/puzzle_file.h"
#include "storage/text_file.h"

namespace kelvane {
namespace {

// Test puzzle's message box and repaint cost nothing here.
class QuietPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageStyle) override {
    return MessageAnswer::Ok;
  }
  void Beep() override {}
  void PlaySoundAsync(std::string_view) override {}
  int PanelSelection() override { return -1; }
  void SetPanelSelection(int) override {}
  void ResetPanel() override {}
  void Invalidate(bool) override {}
  void ApplyCommandStates(const CommandStates&) override {}
  void FitWindow() override {}
  std::optional<std::string> ClipboardText() override { return std::nullopt; }
};

std::unique_ptr<Game> GameOn(const CellGrid& figure) {
  auto game = std::make_unique<Game>();
  InitialiseGame(*game);
  game->figure = figure;
  game->field.Clear();
  return game;
}

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
  QuietPlatform platform;
  for (auto _ : state) {
    AnalysePuzzle(*game, platform, AnalyseMode::Test);
    benchmark::DoNotOptimize(game->WorkGrid);
  }
}

void BM_TestCube(benchmark::State& state) {
  TestPuzzle(state, Cube());
}
BENCHMARK(BM_TestCube);

void BM_CountCubeCompletions(benchmark::State& state) {
  const auto game = GameOn(Cube());
  for (auto _ : state) {
    benchmark::DoNotOptimize(CountCompletions(game->figure));
  }
  state.SetLabel(std::to_string(CountCompletions(game->figure)->completions) + " completions");
}
BENCHMARK(BM_CountCubeCompletions)->Unit(benchmark::kMillisecond);

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

const bool kLibraryRegistered =
    RegisterFolder("BM_TestLibrary/", KELVANE_SOURCE_DIR "/resources/Puzzles");
const bool kUnsolvableRegistered =
    RegisterFolder("BM_TestUnsolvable/", KELVANE_SOURCE_DIR "/bench/data");

}  // namespace
}  // namespace kelvane
