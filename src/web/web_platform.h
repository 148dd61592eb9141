// SPDX-License-Identifier: GPL-3.0-or-later
// The game's Platform in the browser: page dialogs, Web Audio, and the canvas's panel and frames.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "analysis/solution_browser.h"
#include "model/game.h"
#include "model/platform.h"
#include "render/layout.h"
#include "storage/kept_files.h"

namespace kelvane {

class WebPlatform : public Platform {
 public:
  explicit WebPlatform(Game& game) : game_(game) {}

  // Waits for the page dialog's answer: the call suspends the core (Asyncify) while the page runs.
  MessageAnswer ShowMessage(std::string_view text, std::string_view caption,
                            MessageStyle style) override;
  void Beep() override;
  void PlaySoundAsync(std::string_view fileName) override;
  int PanelSelection() override { return selection_; }
  void SetPanelSelection(int item) override;
  void ResetPanel() override;
  void Invalidate(bool erase) override;
  void ApplyCommandStates(const CommandStates& states) override;
  void FitWindow() override;
  Point CursorPosition() override { return pointer_; }
  std::optional<std::string> ClipboardText() override { return std::nullopt; }

  // Composes the whole client area and hands it to the page's canvas, with the solution
  // browser's caption.
  void Paint();

  // Composes the orientation popup's item `commandId` and hands it to the page's item canvas.
  void PaintOrientationItem(int commandId, bool selected);

  // Writes the kept files whose text changed since this page last wrote them; the page carries
  // every write on to the browser's storage.
  void KeepChanges();

  // Where the page last saw the pointer, in client coordinates; (-1, -1) once it left the canvas.
  void SetPointer(Point pointer) { pointer_ = pointer; }

  // Next, Previous and Leave solutions step through this game's solutions.
  SolutionBrowser solutions;

  // The room the page gives the client area, which the next fitting arranges it for.
  void SetViewport(Size viewport) { viewport_ = viewport; }

 protected:
  // The page's translation of the template, else its English.
  std::string WordTemplate(std::string_view source, const std::vector<std::string>& args,
                           std::optional<long> count) const override;

 private:
  Game& game_;
  int selection_ = -1;
  Point pointer_{-1, -1};
  Size viewport_;
  WrittenKeptFiles written_;
};

// The page's one game and its platform, alive for the page's life.
Game& PageGame();
WebPlatform& PagePlatform();

}  // namespace kelvane
