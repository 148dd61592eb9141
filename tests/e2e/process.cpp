// Child processes by fork and exec, each in its own process group so that a kill reaches
// everything it started.
#include "process.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <stdexcept>
#include <thread>

extern char** environ;

namespace kelvane::e2e {
namespace {

std::vector<std::string> MergedEnvironment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> merged;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (!extra.contains(text.substr(0, text.find('=')))) {
      merged.push_back(text);
    }
  }
  for (const auto& [name, value] : extra) {
    merged.push_back(name + "=" + value);
  }
  return merged;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

int StatusOf(int raw) {
  return WIFEXITED(raw) ? WEXITSTATUS(raw) : 128 + WTERMSIG(raw);
}

// Only async-signal-safe calls between fork and exec.
pid_t Spawn(const std::vector<std::string>& argv, const ProcessOptions& options, int outputFd,
            int errorFd) {
  std::vector<std::string> arguments = argv;
  std::vector<std::string> environment = MergedEnvironment(options.environment);
  std::vector<char*> argp = Pointers(arguments);
  std::vector<char*> envp = Pointers(environment);
  const std::string directory = options.workingDirectory.string();
  const pid_t pid = fork();
  if (pid == 0) {
    setpgid(0, 0);
    if (!directory.empty() && chdir(directory.c_str()) != 0) {
      _exit(126);
    }
    const int devNull = open("/dev/null", O_RDWR);
    dup2(devNull, STDIN_FILENO);
    dup2(outputFd >= 0 ? outputFd : devNull, STDOUT_FILENO);
    dup2(errorFd >= 0 ? errorFd : outputFd >= 0 ? outputFd : devNull, STDERR_FILENO);
    environ = envp.data();
    execvp(argp[0], argp.data());
    _exit(127);
  }
  if (pid < 0) {
    throw std::runtime_error("fork failed: " + std::string(std::strerror(errno)));
  }
  setpgid(pid, pid);  // also from here, so a kill right after the spawn reaches the group
  return pid;
}

int OpenForAppending(const std::filesystem::path& path) {
  return path.empty() ? -1 : open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644);
}

std::string FileContent(const std::filesystem::path& path) {
  std::string content;
  if (FILE* file = std::fopen(path.c_str(), "rb")) {
    char buffer[65536];
    size_t read;
    while ((read = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
      content.append(buffer, read);
    }
    std::fclose(file);
  }
  return content;
}

std::filesystem::path NewTemporaryFile() {
  char pattern[] = "/tmp/kelvane-e2e-XXXXXX";
  const int fd = mkstemp(pattern);
  if (fd < 0) {
    throw std::runtime_error("mkstemp failed");
  }
  close(fd);
  return pattern;
}

}  // namespace

Process::Process(const std::vector<std::string>& argv, const ProcessOptions& options) {
  const int outputFd = OpenForAppending(options.outputFile);
  const int errorFd = OpenForAppending(options.errorFile);
  pid_ = Spawn(argv, options, outputFd, errorFd);
  for (int fd : {outputFd, errorFd}) {
    if (fd >= 0) {
      close(fd);
    }
  }
}

void SleepFor(milliseconds duration) {
  std::this_thread::sleep_for(duration);
}

Process::~Process() {
  if (!status_) {
    kill(-pid_, SIGKILL);
    Reap(true);
  }
}

std::optional<int> Process::Reap(bool block) {
  if (status_) {
    return status_;
  }
  int raw = 0;
  pid_t result;
  do {
    result = waitpid(pid_, &raw, block ? 0 : WNOHANG);
  } while (result < 0 && errno == EINTR);
  if (result == pid_) {
    status_ = StatusOf(raw);
    // Whatever the child left behind in its group goes with it.
    kill(-pid_, SIGKILL);
  }
  return status_;
}

std::optional<int> Process::WaitFor(milliseconds timeout) {
  WaitUntil([this] { return Reap(false).has_value(); }, timeout);
  return status_;
}

bool Process::Running() {
  return !Reap(false).has_value();
}

int Process::Stop(milliseconds grace) {
  if (!Running()) {
    return *status_;
  }
  kill(-pid_, SIGTERM);
  if (!WaitFor(grace)) {
    kill(-pid_, SIGKILL);
    Reap(true);
  }
  return *status_;
}

CommandResult RunCommand(const std::vector<std::string>& argv, milliseconds timeout,
                         const std::map<std::string, std::string>& environment) {
  ProcessOptions options;
  options.environment = environment;
  options.outputFile = NewTemporaryFile();
  options.errorFile = NewTemporaryFile();
  CommandResult result;
  {
    Process process(argv, options);
    result.status = process.WaitFor(timeout).value_or(-1);
  }
  result.output = FileContent(options.outputFile);
  result.errors = FileContent(options.errorFile);
  std::filesystem::remove(options.outputFile);
  std::filesystem::remove(options.errorFile);
  return result;
}

}  // namespace kelvane::e2e
