// One run of the real game in a private X server, from a working folder the test prepares.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <memory>
#include <string>

#include "process.h"
#include "x_display.h"

namespace kelvane::e2e {

namespace fs = std::filesystem;

// Bytes of a file, or nothing when it cannot be read.
std::optional<std::string> FileBytes(const fs::path& path);
void WriteBytes(const fs::path& path, std::string_view bytes);
// Every file under `folder` with its bytes, by path relative to `folder`.
std::map<std::string, std::string> FolderContent(const fs::path& folder);

// Each test gets a temporary root with its own X server, a fresh working folder seeded like an
// installed player's (the shipped library, sound, help and shortcut) and a private home, so
// nothing of the machine's user is read or written. Everything is killed and removed afterwards.
class GameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  const fs::path& WorkingFolder() const { return work_; }
  // The private home the game runs with.
  fs::path Home() const { return root_ / "home"; }
  // A new empty folder inside the test's temporary root.
  fs::path NewFolder(const std::string& name);
  XDisplay& Display() { return *display_; }

  // Starts the game in the working folder and waits for its main window "Kelvane"; returns its
  // window id (empty, with a test failure, when no window came).
  std::string StartGame();
  // The same for any command line that ends in the game, in the folder it is started from.
  std::string StartProgram(const std::vector<std::string>& argv, const fs::path& folder);
  // The exit status once the game has ended by itself, or nothing after `timeout`.
  std::optional<int> WaitForGameExit(milliseconds timeout);
  bool GameRunning();
  // Game > Exit through the keyboard, as a player without a mouse would, tried again while the
  // game runs on (a slow start may swallow the first keys); the game's exit status, or nothing
  // when it did not end.
  std::optional<int> ExitThroughMenu(const std::string& window);
  // The game's own standard output and error, for failure messages.
  std::string GameLog() const;

 private:
  fs::path root_;
  fs::path work_;
  std::unique_ptr<XDisplay> display_;
  std::unique_ptr<Process> game_;
};

}  // namespace kelvane::e2e
