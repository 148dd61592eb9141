// SPDX-License-Identifier: GPL-3.0-or-later
// The Platform of programs with no window, sound or clipboard: the command-line tool, the
// benchmarks and the picture makers.
#pragma once

#include "model/game.h"
#include "model/platform.h"

namespace kelvane {

class HeadlessPlatform : public Platform {
 public:
  MessageAnswer ShowMessage(std::string_view, std::string_view, MessageStyle style) override {
    return style == MessageStyle::Question ? questionAnswer : MessageAnswer::Ok;
  }
  void Beep() override {}
  void PlaySoundAsync(std::string_view) override {}
  int PanelSelection() override { return selection; }
  void SetPanelSelection(int item) override { selection = item; }
  void ResetPanel() override { selection = -1; }
  void Invalidate(bool) override {}
  void ApplyCommandStates(const CommandStates&) override {}
  void FitWindow() override {}
  Point CursorPosition() override { return pointer; }
  std::optional<std::string> ClipboardText() override { return std::nullopt; }

  MessageAnswer questionAnswer = MessageAnswer::No;
  int selection = -1;
  // Off every floor cell unless put somewhere.
  Point pointer{-1, -1};
};

}  // namespace kelvane
