// SPDX-License-Identifier: GPL-3.0-or-later
// Platform calls answered by the page's script (page/kelvane.js).
#include "web/web_platform.h"

#include <emscripten.h>

#include <cstdlib>
#include <string>

#include "model/command_ids.h"
#include "model/command_states.h"
#include "model/pixel_surface.h"
#include "render/client_frame.h"
#include "render/cube_geometry.h"
#include "render/graphics_setup.h"
#include "render/layout.h"
#include "render/panel_item.h"

namespace kelvane {

namespace {

// The page's dialog answers 0 for OK, 1 for Yes and 2 for No.
EM_ASYNC_JS(int, AskPage, (const char* text, const char* caption, int style), {
  return await Module.kelvane.showMessage(UTF8ToString(text), UTF8ToString(caption), style);
});

EM_JS(void, PageCopy,
      (const void* pixels, int stride, int left, int top, int width, int height, int toX, int toY),
      { Module.kelvane.copy(pixels, stride, left, top, width, height, toX, toY); });
EM_JS(void, PageCopyItem,
      (int commandId, const void* pixels, int stride, int left, int top, int width, int height),
      { Module.kelvane.copyItem(commandId, pixels, stride, left, top, width, height); });
// The page's translation (malloc'd, for the caller to free), or null where it has none.
EM_JS(char*, PageTranslation, (const char* source, int count, int counted), {
  const text = Module.kelvane.translate(UTF8ToString(source), counted ? count : null);
  if (!text) {
    return 0;
  }
  const size = lengthBytesUTF8(text) + 1;
  const at = _malloc(size);
  stringToUTF8(text, at, size);
  return at;
});
EM_JS(void, PageBeep, (), { Module.kelvane.beep(); });
EM_JS(void, PagePlaySound, (const char* name), { Module.kelvane.playSound(UTF8ToString(name)); });
EM_JS(void, PageInvalidate, (), { Module.kelvane.invalidate(); });
EM_JS(void, PageResize, (int width, int height, int ratio),
      { Module.kelvane.resize(width, height, ratio); });
EM_JS(void, PageCaption, (const char* lines, int x, int y, int back, int ink),
      { Module.kelvane.caption(UTF8ToString(lines), x, y, back, ink); });
EM_JS(void, PageCommandState, (int id, int enabled, int checked),
      { Module.kelvane.commandState(id, !!enabled, !!checked); });

}  // namespace

MessageAnswer WebPlatform::ShowMessage(std::string_view text, std::string_view caption,
                                       MessageStyle style) {
  // The page cannot paint while the core waits: what led to the message shows behind it, and is
  // kept should the player close the page instead of answering.
  Paint();
  KeepChanges();
  const int answer =
      AskPage(std::string(text).c_str(), std::string(caption).c_str(), static_cast<int>(style));
  return answer == 1 ? MessageAnswer::Yes : answer == 2 ? MessageAnswer::No : MessageAnswer::Ok;
}

void WebPlatform::Paint() {
  PaintClientArea(game_, *this, [](const Surface& back, const Rect& source, Point to) {
    PageCopy(back.pixels.data(), back.width, source.left, source.top, source.Width(),
             source.Height(), to.x, to.y);
  });
  std::string caption;
  if (IsBrowsing(game_, solutions)) {
    caption = SolutionCaption(solutions, *this);
    if (const std::string source = SolutionSourceLine(solutions, *this); !source.empty()) {
      caption += "\n" + source;
    }
  }
  // Beside the panel at the top, as the desktop shows it; under it where it spans the width.
  const Rect panel = PanelRect(game_);
  const Point at = game_.stackedLayout ? Point{panel.left, panel.bottom} : Point{panel.right, 0};
  PageCaption(caption.c_str(), at.x, at.y,
              static_cast<int>(PixelFromColour(game_.settings.COLOR_BACK) & 0xFFFFFF),
              static_cast<int>(PixelFromColour(game_.settings.COLOR_INK) & 0xFFFFFF));
}

void WebPlatform::PaintOrientationItem(int commandId, bool selected) {
  // Any control id but the panel's marks an orientation-menu item.
  DrawPanelItem(game_, *this, {0, commandId, {0, 0, kPanelItemSize, kPanelItemSize}, selected},
                [commandId](const Surface& back, std::span<const Rect> areas) {
                  for (const Rect& area : areas) {
                    PageCopyItem(commandId, back.pixels.data(), back.width, area.left, area.top,
                                 area.Width(), area.Height());
                  }
                });
}

void WebPlatform::KeepChanges() {
  WriteChangedKeptFiles(game_, *this, written_);
}

std::string WebPlatform::WordTemplate(std::string_view source, const std::vector<std::string>& args,
                                      std::optional<long> count) const {
  char* const translated = PageTranslation(std::string(source).c_str(),
                                           static_cast<int>(count.value_or(0)), count.has_value());
  if (translated == nullptr) {
    return EnglishWording().Word(source, args, count);
  }
  const std::string text = translated;
  std::free(translated);
  return FillTemplate(text, args, count);
}

void WebPlatform::Beep() {
  PageBeep();
}

void WebPlatform::PlaySoundAsync(std::string_view fileName) {
  PagePlaySound(std::string(fileName).c_str());
}

void WebPlatform::SetPanelSelection(int item) {
  selection_ = item;
  PageInvalidate();
}

void WebPlatform::ResetPanel() {
  selection_ = -1;
  PageInvalidate();
}

void WebPlatform::Invalidate(bool) {
  // Every frame is composed whole at the next animation frame, the panel with it.
  PageInvalidate();
}

void WebPlatform::ApplyCommandStates(const CommandStates& states) {
  for (const CommandState& state : states.items) {
    PageCommandState(state.commandId, state.enabled, state.checked);
  }
  PageCommandState(kCmdNextSolution, game_.createMode == 0, false);
  PageCommandState(kCmdPreviousSolution, game_.createMode == 0, false);
  PageCommandState(kCmdLeaveSolutions, IsBrowsing(game_, solutions), false);
}

void WebPlatform::FitWindow() {
  const PageFit fit = FitToViewport(game_, viewport_);
  game_.stackedLayout = fit.stacked;
  if (game_.fieldGeometry != FieldGeometry(fit.scale)) {
    DrawFieldAtScale(game_, fit.scale);
  }
  const Size client = RequiredClientSize(game_);
  PlaceContent(game_, client);
  PageResize(client.width, client.height, game_.graphics.pixelRatio);
}

}  // namespace kelvane
