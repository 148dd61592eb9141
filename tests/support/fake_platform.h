// SPDX-License-Identifier: GPL-3.0-or-later
// A recording Platform for tests: answers message boxes from a script and remembers every call.
#pragma once

#include <deque>
#include <string>
#include <vector>

#include "model/command_states.h"
#include "model/game.h"
#include "model/platform.h"

namespace kelvane::testing {

struct ShownMessage {
  std::string text;
  std::string caption;
  MessageStyle style;
};

class FakePlatform : public Platform {
 public:
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                            MessageStyle style) override;
  void Beep() override;
  void PlaySoundAsync(std::string_view fileName) override;
  int PanelSelection() override { return selection; }
  void SetPanelSelection(int item) override { selection = item; }
  void ResetPanel() override;
  void Invalidate(bool erase) override { erase ? ++erasingInvalidations : ++invalidations; }
  void ApplyCommandStates(const CommandStates& states) override;
  void FitWindow() override { ++fits; }
  Point CursorPosition() override { return cursor; }
  std::int64_t Milliseconds() override { return nowMs; }
  std::optional<std::string> ClipboardText() override { return clipboard; }

  // Answers for the next Question boxes, in order; an unscripted question answers No.
  std::deque<MessageAnswer> answers;
  std::vector<ShownMessage> messages;
  std::vector<std::string> sounds;
  int beeps = 0;
  int selection = -1;
  int panelResets = 0;
  int invalidations = 0;
  int erasingInvalidations = 0;
  int commandStateUpdates = 0;
  int fits = 0;
  std::optional<std::string> clipboard;
  // The states most recently applied to the menu.
  std::optional<CommandStates> commandStates;
  // Messages, beeps and sounds in the order they happened: "message: …", "beep", "sound: …".
  std::vector<std::string> events;
  Point cursor;
  // The play clock's time: tests move it by hand.
  std::int64_t nowMs = 0;
};

}  // namespace kelvane::testing
