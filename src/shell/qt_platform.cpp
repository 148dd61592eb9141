// SPDX-License-Identifier: GPL-3.0-or-later
// Platform calls answered by Qt and the main window.
#include "shell/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include "model/game.h"
#include "shell/main_window.h"
#include "shell/motion_ticker.h"
#include "shell/translations.h"

namespace kelvane {

QtPlatform::QtPlatform(MainWindow& window, MessageBoxRunner messageBox)
    : window_(window), messageBox_(std::move(messageBox)) {}

MessageAnswer QtPlatform::ShowMessage(std::string_view text, std::string_view caption,
                                      MessageStyle style) {
  window_.HoldClockForDialog(true);
  const MessageAnswer answer = messageBox_(&window_, text, caption, style);
  window_.HoldClockForDialog(false);
  return answer;
}

void QtPlatform::Beep() {
  QApplication::beep();
}

void QtPlatform::PlaySoundAsync(std::string_view fileName) {
  sound_.Play(fileName);
}

int QtPlatform::PanelSelection() {
  return window_.Panel().Selection();
}

void QtPlatform::SetPanelSelection(int item) {
  window_.Panel().Select(item);
}

void QtPlatform::ResetPanel() {
  window_.Panel().Reset();
}

void QtPlatform::Invalidate(bool) {
  // Every frame is composed whole, so erasing first would add nothing. The panel's thumbnails
  // show what lies on the Field and what is hidden, so they follow every change of the picture.
  window_.Field().update();
  window_.Panel().viewport()->update();
  window_.Ticker().Follow();
}

void QtPlatform::ApplyCommandStates(const CommandStates& states) {
  window_.ApplyCommandStates(states);
}

void QtPlatform::FitWindow() {
  window_.FitToFigure();
}

Point QtPlatform::CursorPosition() {
  const std::optional<QPoint> pointer = window_.Field().Pointer();
  return pointer ? Point{pointer->x(), pointer->y()} : Point{-1, -1};
}

std::optional<std::string> QtPlatform::ClipboardText() {
  const QMimeData* data = QApplication::clipboard()->mimeData();
  if (data == nullptr || !data->hasText()) {
    return std::nullopt;
  }
  return data->text().toStdString();
}

std::string QtPlatform::WordTemplate(std::string_view source, const std::vector<std::string>& args,
                                     std::optional<long> count) const {
  return InterfaceWording().Word(source, args, count);
}

std::string QtPlatform::WordNumber(unsigned long long n) const {
  return InterfaceWording().Number(n);
}

}  // namespace kelvane
