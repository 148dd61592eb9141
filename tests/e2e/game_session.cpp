// The end-to-end fixture: temporary root, Xvfb, the seeded working folder and the game process.
#include "game_session.h"

#include <sys/stat.h>

#include <fstream>
#include <iterator>
#include <random>

namespace kelvane::e2e {
namespace {

constexpr milliseconds kWindowTimeout(30000);
constexpr milliseconds kExitTimeout(5000);

void Seed(const fs::path& work) {
  const fs::path resources = KELVANE_RESOURCES_DIR;
  fs::create_directories(work / "Puzzles");
  for (const char* name : {"Puzzles", "help", "victory.wav", "orrinsoft.url"}) {
    if (fs::exists(resources / name)) {
      fs::copy(resources / name, work / name,
               fs::copy_options::recursive | fs::copy_options::skip_existing);
    }
  }
}

}  // namespace

std::optional<std::string> FileBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    return std::nullopt;
  }
  return std::string{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteBytes(const fs::path& path, std::string_view bytes) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary).write(bytes.data(), std::ssize(bytes));
}

std::map<std::string, std::string> FolderContent(const fs::path& folder) {
  std::map<std::string, std::string> content;
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(folder)) {
    if (entry.is_regular_file()) {
      content[fs::relative(entry.path(), folder).string()] =
          FileBytes(entry.path()).value_or("<unreadable>");
    } else if (entry.is_directory() && fs::is_empty(entry.path())) {
      content[fs::relative(entry.path(), folder).string() + "/"] = "";
    }
  }
  return content;
}

void GameTest::SetUp() {
  std::random_device random;
  root_ = fs::temp_directory_path() /
          ("kelvane-e2e-" + std::to_string(random()) + std::to_string(random()));
  work_ = root_ / "work";
  fs::create_directories(root_ / "home");
  fs::create_directories(root_ / "runtime");
  fs::permissions(root_ / "runtime", fs::perms::owner_all);
  Seed(work_);
  display_ = std::make_unique<XDisplay>(root_ / "xvfb.log");
}

void GameTest::TearDown() {
  if (game_) {
    game_->Stop();
  }
  game_.reset();
  display_.reset();
  if (HasFailure()) {
    std::cerr << "game output:\n" << GameLog() << "\n";
  }
  std::error_code ignored;
  // Permissions a test took away must not keep its files from going.
  for (const fs::directory_entry& entry : fs::recursive_directory_iterator(root_, ignored)) {
    fs::permissions(entry.path(), fs::perms::owner_all, fs::perm_options::add, ignored);
  }
  fs::remove_all(root_, ignored);
}

fs::path GameTest::NewFolder(const std::string& name) {
  fs::create_directories(root_ / name);
  return root_ / name;
}

std::string GameTest::StartGame() {
  return StartProgram({KELVANE_GAME_PATH}, work_);
}

std::string GameTest::StartProgram(const std::vector<std::string>& argv, const fs::path& folder) {
  ProcessOptions options;
  options.workingDirectory = folder;
  options.outputFile = root_ / "game.log";
  options.environment = {
      {"DISPLAY", display_->Name()},
      {"QT_QPA_PLATFORM", "xcb"},
      {"HOME", (root_ / "home").string()},
      {"XDG_CONFIG_HOME", (root_ / "home" / ".config").string()},
      {"XDG_RUNTIME_DIR", (root_ / "runtime").string()},
      // The single-instance socket lives here: runs of other tests never meet this game.
      {"TMPDIR", root_.string()},
      // Qt and the font libraries keep caches for the process's lifetime.
      {"ASAN_OPTIONS", "detect_leaks=0"},
  };
  game_ = std::make_unique<Process>(argv, options);
  const std::optional<std::string> window = display_->WaitForWindow("Kelvane", kWindowTimeout);
  EXPECT_TRUE(window.has_value()) << "no window \"Kelvane\" appeared";
  if (window) {
    display_->Focus(*window);
  }
  return window.value_or("");
}

std::optional<int> GameTest::WaitForGameExit(milliseconds timeout) {
  return game_ ? game_->WaitFor(timeout) : std::nullopt;
}

bool GameTest::GameRunning() {
  return game_ && game_->Running();
}

std::optional<int> GameTest::ExitThroughMenu(const std::string& window) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    display_->Focus(window);
    display_->Keys({"Escape", "alt+g"});
    SleepFor(milliseconds(500));
    display_->Keys({"x"});
    if (const std::optional<int> status = WaitForGameExit(kExitTimeout)) {
      return status;
    }
  }
  return std::nullopt;
}

std::string GameTest::GameLog() const {
  return FileBytes(root_ / "game.log").value_or("");
}

}  // namespace kelvane::e2e
