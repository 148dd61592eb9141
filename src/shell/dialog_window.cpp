// SPDX-License-Identifier: GPL-3.0-or-later
// Dialog window flags, modality and the return of an open dialog with its restored owner.
#include "shell/dialog_window.h"

#include <QEvent>
#include <QWidget>

namespace kelvane {
namespace {

// Watches the owner's window: once it is no longer minimised, an open dialog of it is shown and
// raised again, since some window managers leave a transient window unmapped after a restore.
class ReturnWithOwner : public QObject {
 public:
  explicit ReturnWithOwner(QWidget& dialog) : QObject(&dialog), dialog_(dialog) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::WindowStateChange && dialog_.isVisible() &&
        !static_cast<QWidget*>(watched)->isMinimized()) {
      dialog_.showNormal();
      dialog_.raise();
      dialog_.activateWindow();
    }
    return false;
  }

 private:
  QWidget& dialog_;
};

}  // namespace

Qt::WindowFlags DialogWindowFlags() {
  return Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
         Qt::WindowCloseButtonHint;
}

void MakeDialogWindow(QWidget& dialog) {
  dialog.setWindowFlags(DialogWindowFlags());
  dialog.setWindowModality(Qt::ApplicationModal);
  if (QWidget* owner = dialog.parentWidget()) {
    owner->window()->installEventFilter(new ReturnWithOwner(dialog));
  }
}

}  // namespace kelvane
