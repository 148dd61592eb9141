// SPDX-License-Identifier: GPL-3.0-or-later
// The Save puzzle dialog's name field: it keeps out the characters a file name may not hold and
// refuses every paste.
#pragma once

#include <QLineEdit>

#include "model/platform.h"

class QMenu;

namespace kelvane {

inline constexpr const char* kPasteActionName = "paste";

class PuzzleNameField : public QLineEdit {
  Q_OBJECT

 public:
  // At most 100 characters and 100 bytes of UTF-8. A forbidden character typed or committed by an
  // input method, and any paste (the paste keys, the context menu, the middle button, a drop),
  // beeps through `platform` and changes nothing.
  explicit PuzzleNameField(Platform& platform, QWidget* parent = nullptr);

  // The field's context menu, its Paste (named kPasteActionName) turned into the refusal; the
  // caller owns it.
  QMenu* CreateContextMenu();

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // False, after a beep, when the text holds a forbidden character or would take the name past
  // its byte limit.
  bool AcceptText(const QString& text);

  Platform& platform_;
};

}  // namespace kelvane
