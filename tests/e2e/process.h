// Child processes for the end-to-end tests: started with a deadline, always reaped, never left
// running behind a failed test.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace kelvane::e2e {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

struct ProcessOptions {
  // Variables added to (or replacing those of) the test's own environment.
  std::map<std::string, std::string> environment;
  std::filesystem::path workingDirectory;  // empty: the test's own
  // Where the child's standard output goes (appended); empty: /dev/null.
  std::filesystem::path outputFile;
  // Where its standard error goes; empty: with the output.
  std::filesystem::path errorFile;
};

// A running child. The destructor kills it (SIGKILL) and its process group if it still runs.
class Process {
 public:
  Process(const std::vector<std::string>& argv, const ProcessOptions& options);
  Process(const Process&) = delete;
  Process& operator=(const Process&) = delete;
  ~Process();

  pid_t Id() const { return pid_; }
  // The exit status once the child has ended (a signal counts as 128 + its number), or nothing
  // when it still runs after `timeout`.
  std::optional<int> WaitFor(milliseconds timeout);
  bool Running();
  // SIGTERM, then SIGKILL after `grace`; returns the exit status.
  int Stop(milliseconds grace = milliseconds(2000));

 private:
  std::optional<int> Reap(bool block);
  pid_t pid_ = -1;
  std::optional<int> status_;
};

struct CommandResult {
  int status = -1;  // -1 when the command did not end in time and was killed
  std::string output;
  std::string errors;
};

// Runs a short command to its end, killing it after `timeout`; captures its output and errors.
CommandResult RunCommand(const std::vector<std::string>& argv, milliseconds timeout,
                         const std::map<std::string, std::string>& environment = {});

void SleepFor(milliseconds duration);

// Polls `ready` every 50 ms until it holds or `timeout` has passed.
template <typename Predicate>
bool WaitUntil(Predicate ready, milliseconds timeout) {
  const Clock::time_point deadline = Clock::now() + timeout;
  while (true) {
    if (ready()) {
      return true;
    }
    if (Clock::now() >= deadline) {
      return false;
    }
    SleepFor(milliseconds(50));
  }
}

}  // namespace kelvane::e2e
