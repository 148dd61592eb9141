// SPDX-License-Identifier: GPL-3.0-or-later
// The game's Platform on Qt: message boxes, beep and sound, and the main window's panel and menus.
#pragma once

#include "model/platform.h"
#include "shell/message_box.h"
#include "shell/sound_player.h"

namespace kelvane {

class MainWindow;

class QtPlatform : public Platform {
 public:
  // Message boxes go through `messageBox`, so that tests can answer them.
  QtPlatform(MainWindow& window, MessageBoxRunner messageBox);

  MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                            MessageStyle style) override;
  void Beep() override;
  void PlaySoundAsync(std::string_view fileName) override;
  int PanelSelection() override;
  void SetPanelSelection(int item) override;
  void ResetPanel() override;
  void Invalidate(bool erase) override;
  void ApplyCommandStates(const CommandStates& states) override;
  void FitWindow() override;
  Point CursorPosition() override;
  std::optional<std::string> ClipboardText() override;

 protected:
  // The core's texts in the language installed.
  std::string WordTemplate(std::string_view source, const std::vector<std::string>& args,
                           std::optional<long> count) const override;
  std::string WordNumber(unsigned long long n) const override;

 private:
  MainWindow& window_;
  MessageBoxRunner messageBox_;
  SoundPlayer sound_;
};

}  // namespace kelvane
