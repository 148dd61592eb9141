// A private X server for one test (Xvfb, no window manager), with real input events through
// XTEST (xdotool) and screenshots of its screen.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "process.h"

namespace kelvane::e2e {

struct ScreenRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Pixels as 0xRRGGBB.
struct Screenshot {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t At(int x, int y) const { return pixels[static_cast<size_t>(y) * width + x]; }
  // How many different colours the rectangle (cut to the picture) holds.
  size_t ColourCount(ScreenRect area) const;
};

class XDisplay {
 public:
  // Starts Xvfb on a display number it picks itself, so parallel runs never collide; throws
  // when no server answers within a few seconds. `logFile` receives the server's messages.
  explicit XDisplay(const std::filesystem::path& logFile);
  XDisplay(const XDisplay&) = delete;
  XDisplay& operator=(const XDisplay&) = delete;
  ~XDisplay();

  // The value for DISPLAY, such as ":3".
  const std::string& Name() const { return name_; }

  // The id of a mapped window whose title is exactly `title`, once one appears.
  std::optional<std::string> WaitForWindow(std::string_view title, milliseconds timeout);
  bool WindowExists(std::string_view title);
  std::optional<ScreenRect> Geometry(const std::string& window);
  // Gives the window the keyboard focus (no window manager does it for us).
  void Focus(const std::string& window);

  void MoveMouse(int x, int y);
  // Presses and releases a button (1 left, 3 right) where the pointer is.
  void Click(int button = 1);
  // Key combinations in xdotool's names, such as "ctrl+n" or "Return", one after another.
  void Keys(const std::vector<std::string>& combinations);
  void Type(std::string_view text);

  Screenshot Capture();

 private:
  CommandResult Xdotool(std::vector<std::string> arguments);

  std::unique_ptr<Process> server_;
  std::string name_;
};

}  // namespace kelvane::e2e
