// SPDX-License-Identifier: GPL-3.0-or-later
// The filtering name field: typed characters pass the core's name rule, pasting never happens.
#include "shell/dialogs/puzzle_name_field.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "storage/save_puzzle_dialog.h"

namespace kelvane {

PuzzleNameField::PuzzleNameField(Platform& platform, QWidget* parent)
    : QLineEdit(parent), platform_(platform) {
  setMaxLength(kPuzzleNameLimit);
  setAcceptDrops(false);
}

bool PuzzleNameField::AcceptText(const QString& text) {
  for (const QChar ch : text) {
    if (ch.unicode() < 0x80 && !AcceptNameCharacter(platform_, static_cast<char>(ch.unicode()))) {
      return false;
    }
  }
  // Only printable text is inserted; editing keys such as Backspace carry control characters.
  if (text.isEmpty() || !text.front().isPrint()) {
    return true;
  }
  const qsizetype kept = this->text().toUtf8().size() - selectedText().toUtf8().size();
  return AcceptNameLength(platform_, static_cast<std::size_t>(kept + text.toUtf8().size()));
}

void PuzzleNameField::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Paste)) {
    platform_.Beep();
    event->accept();
    return;
  }
  if (!AcceptText(event->text())) {
    event->accept();
    return;
  }
  QLineEdit::keyPressEvent(event);
}

void PuzzleNameField::inputMethodEvent(QInputMethodEvent* event) {
  if (!AcceptText(event->commitString())) {
    event->setCommitString({});
  }
  QLineEdit::inputMethodEvent(event);
}

QMenu* PuzzleNameField::CreateContextMenu() {
  QMenu* menu = createStandardContextMenu();
  // The menu's Paste is the action wired to paste(); it is rewired to the refusal.
  for (QAction* action : menu->actions()) {
    // The toolkit wires it by signature, so it is found the same way.
    if (disconnect(action, SIGNAL(triggered()), this, SLOT(paste()))) {
      action->setObjectName(kPasteActionName);
      connect(action, &QAction::triggered, this, [this] { platform_.Beep(); });
    }
  }
  return menu;
}

void PuzzleNameField::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = CreateContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  menu->popup(event->globalPos());
}

// The middle button pastes the X selection; it is a paste like any other.
void PuzzleNameField::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    event->accept();
    return;
  }
  QLineEdit::mousePressEvent(event);
}

void PuzzleNameField::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::MiddleButton) {
    platform_.Beep();
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

}  // namespace kelvane
