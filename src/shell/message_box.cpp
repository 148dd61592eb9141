// SPDX-License-Identifier: GPL-3.0-or-later
// Message boxes through QMessageBox.
#include "shell/message_box.h"

#include <QMessageBox>

#include "shell/dialog_window.h"

namespace kelvane {

namespace {

QString FromText(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::Icon IconOf(MessageStyle style) {
  switch (style) {
    case MessageStyle::Information:
      return QMessageBox::Information;
    case MessageStyle::Stop:
      return QMessageBox::Critical;
    case MessageStyle::Question:
      return QMessageBox::Question;
    case MessageStyle::Plain:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

MessageAnswer RunMessageBox(QWidget* owner, std::string_view text, std::string_view caption,
                            MessageStyle style) {
  QMessageBox box(IconOf(style), FromText(caption), FromText(text), QMessageBox::NoButton, owner);
  MakeDialogWindow(box);
  if (style == MessageStyle::Question) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    box.setDefaultButton(QMessageBox::No);
    box.setEscapeButton(QMessageBox::No);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
    box.setDefaultButton(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes:
      return MessageAnswer::Yes;
    case QMessageBox::No:
      return MessageAnswer::No;
    default:
      return MessageAnswer::Ok;
  }
}

}  // namespace kelvane
