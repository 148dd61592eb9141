// Xvfb started with -displayfd, xdotool for input and window queries, ImageMagick for pictures.
#include "x_display.h"

#include <fcntl.h>
#include <poll.h>
#include <unistd.h>

#include <set>
#include <sstream>
#include <stdexcept>

namespace kelvane::e2e {
namespace {

constexpr milliseconds kServerStart(10000);
constexpr milliseconds kToolTimeout(10000);
// Large enough that no window of the game is ever cut to the screen.
constexpr std::string_view kScreen = "2560x1600x24";

// Reads the display number Xvfb writes once it accepts connections.
std::string ReadDisplayNumber(int fd) {
  std::string number;
  const Clock::time_point deadline = Clock::now() + kServerStart;
  while (Clock::now() < deadline) {
    pollfd waiting{fd, POLLIN, 0};
    if (poll(&waiting, 1, 100) <= 0) {
      continue;
    }
    char c;
    const ssize_t got = read(fd, &c, 1);
    if (got <= 0) {
      break;
    }
    if (c == '\n') {
      return number;
    }
    number += c;
  }
  return {};
}

// Skips blanks and # comments between the fields of a PPM header.
int ReadHeaderNumber(std::istringstream& in) {
  while (true) {
    const int next = in.peek();
    if (next == '#') {
      std::string comment;
      std::getline(in, comment);
    } else if (std::isspace(next)) {
      in.get();
    } else {
      break;
    }
  }
  int value = -1;
  in >> value;
  return value;
}

}  // namespace

size_t Screenshot::ColourCount(ScreenRect area) const {
  std::set<std::uint32_t> colours;
  for (int y = std::max(area.y, 0); y < std::min(area.y + area.height, height); ++y) {
    for (int x = std::max(area.x, 0); x < std::min(area.x + area.width, width); ++x) {
      colours.insert(At(x, y));
    }
  }
  return colours.size();
}

XDisplay::XDisplay(const std::filesystem::path& logFile) {
  int ends[2];
  if (pipe2(ends, O_CLOEXEC) != 0) {
    throw std::runtime_error("pipe failed");
  }
  // Only the write end reaches Xvfb.
  const int writeEnd = fcntl(ends[1], F_DUPFD, 10);
  close(ends[1]);
  ProcessOptions options;
  options.outputFile = logFile;
  server_ = std::make_unique<Process>(
      std::vector<std::string>{"Xvfb", "-displayfd", std::to_string(writeEnd), "-screen", "0",
                               std::string(kScreen), "-nolisten", "tcp", "-noreset"},
      options);
  close(writeEnd);
  const std::string number = ReadDisplayNumber(ends[0]);
  close(ends[0]);
  if (number.empty()) {
    throw std::runtime_error("Xvfb did not start; see " + logFile.string());
  }
  name_ = ":" + number;
}

XDisplay::~XDisplay() {
  server_->Stop();
}

CommandResult XDisplay::Xdotool(std::vector<std::string> arguments) {
  arguments.insert(arguments.begin(), "xdotool");
  return RunCommand(arguments, kToolTimeout, {{"DISPLAY", name_}});
}

std::optional<std::string> XDisplay::WaitForWindow(std::string_view title, milliseconds timeout) {
  std::optional<std::string> found;
  WaitUntil(
      [&] {
        const CommandResult result =
            Xdotool({"search", "--onlyvisible", "--name", "^" + std::string(title) + "$"});
        if (result.status == 0 && !result.output.empty()) {
          found = result.output.substr(0, result.output.find('\n'));
        }
        return found.has_value();
      },
      timeout);
  return found;
}

bool XDisplay::WindowExists(std::string_view title) {
  const CommandResult result =
      Xdotool({"search", "--onlyvisible", "--name", "^" + std::string(title) + "$"});
  return result.status == 0 && !result.output.empty();
}

std::optional<ScreenRect> XDisplay::Geometry(const std::string& window) {
  const CommandResult result = Xdotool({"getwindowgeometry", "--shell", window});
  if (result.status != 0) {
    return std::nullopt;
  }
  ScreenRect rect;
  std::istringstream lines(result.output);
  std::string line;
  while (std::getline(lines, line)) {
    const size_t equals = line.find('=');
    if (equals == std::string::npos) {
      continue;
    }
    const std::string key = line.substr(0, equals);
    const int value = std::atoi(line.c_str() + equals + 1);
    if (key == "X") {
      rect.x = value;
    } else if (key == "Y") {
      rect.y = value;
    } else if (key == "WIDTH") {
      rect.width = value;
    } else if (key == "HEIGHT") {
      rect.height = value;
    }
  }
  return rect;
}

void XDisplay::Focus(const std::string& window) {
  Xdotool({"windowfocus", "--sync", window});
}

void XDisplay::MoveMouse(int x, int y) {
  Xdotool({"mousemove", "--sync", std::to_string(x), std::to_string(y)});
}

void XDisplay::Click(int button) {
  Xdotool({"click", std::to_string(button)});
}

void XDisplay::Keys(const std::vector<std::string>& combinations) {
  std::vector<std::string> arguments{"key", "--delay", "60"};
  arguments.insert(arguments.end(), combinations.begin(), combinations.end());
  Xdotool(arguments);
}

void XDisplay::Type(std::string_view text) {
  Xdotool({"type", "--delay", "60", std::string(text)});
}

Screenshot XDisplay::Capture() {
  const CommandResult result =
      RunCommand({"import", "-silent", "-window", "root", "-depth", "8", "ppm:-"}, kToolTimeout,
                 {{"DISPLAY", name_}});
  std::istringstream in(result.output);
  std::string magic;
  in >> magic;
  Screenshot shot;
  shot.width = ReadHeaderNumber(in);
  shot.height = ReadHeaderNumber(in);
  const int maximum = ReadHeaderNumber(in);
  in.get();
  if (magic != "P6" || shot.width <= 0 || shot.height <= 0 || maximum != 255) {
    throw std::runtime_error("no screenshot: " + result.errors);
  }
  shot.pixels.resize(static_cast<size_t>(shot.width) * shot.height);
  for (std::uint32_t& pixel : shot.pixels) {
    unsigned char rgb[3] = {};
    in.read(reinterpret_cast<char*>(rgb), 3);
    pixel = (rgb[0] << 16) | (rgb[1] << 8) | rgb[2];
  }
  return shot;
}

}  // namespace kelvane::e2e
