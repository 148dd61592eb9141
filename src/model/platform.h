// SPDX-License-Identifier: GPL-3.0-or-later
// The one seam between the game logic and the desktop: everything the core asks of a window system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "model/text_template.h"

namespace kelvane {

struct CommandStates;
struct Point;

// The four kinds of message box the game shows.
enum class MessageStyle {
  Plain,        // OK button, no icon
  Information,  // OK button, information icon
  Stop,         // OK button, stop icon (file errors)
  Question,     // Yes and No, question icon, No is the default button
};

enum class MessageAnswer { Ok, Yes, No };

// A floor cell (x, y) of the current layer, as the pointer hit test finds it.
struct FloorCell {
  int x = 0;
  int y = 0;
  friend bool operator==(const FloorCell&, const FloorCell&) = default;
};

// Its Wording words the core's texts: in English unless a shell translates them.
class Platform : public Wording {
 public:
  virtual ~Platform() = default;

  // Modal box over the main window; returns the button the user chose.
  virtual MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                                    MessageStyle style) = 0;
  virtual void Beep() = 0;
  // Plays a sound file by name without waiting; silent when the file is missing.
  virtual void PlaySoundAsync(std::string_view fileName) = 0;

  // The piece panel: item 0 is no piece, items 1…7 the pieces; -1 when nothing is selected.
  virtual int PanelSelection() = 0;
  virtual void SetPanelSelection(int item) = 0;
  // Deletes all panel items and adds 8 empty ones, which clears the selection.
  virtual void ResetPanel() = 0;

  virtual void Invalidate(bool erase) = 0;
  virtual void ApplyCommandStates(const CommandStates& states) = 0;
  // Sizes the window and the panel to the current Figure and scale.
  virtual void FitWindow() = 0;

  // The pointer's position in the main window's client coordinates; by default (-1, -1), off
  // every floor cell, for platforms without a pointer.
  virtual Point CursorPosition();

  // A steady count of milliseconds for the play clock; by default the system's steady clock.
  virtual std::int64_t Milliseconds();

  // Text on the clipboard, or nothing when it holds no text.
  virtual std::optional<std::string> ClipboardText() = 0;
};

}  // namespace kelvane
