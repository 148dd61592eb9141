// SPDX-License-Identifier: GPL-3.0-or-later
// The progress window: a line of what is being done, a busy bar and Cancel.
#include "shell/progress_wait.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "shell/dialog_window.h"
#include "shell/translations.h"

namespace kelvane {

namespace {

// A search that ends sooner shows no window at all: no flash for the common case.
constexpr int kProgressDelayMs = 150;
constexpr const char* kCancel = QT_TRANSLATE_NOOP("Kelvane", "Cancel");
constexpr const char* kTitle = "Kelvane";

QDialog* MakeProgressWindow(QWidget* owner, const QString& label) {
  auto* dialog = new QDialog(owner);
  dialog->setWindowTitle(kTitle);
  MakeDialogWindow(*dialog);
  auto* layout = new QVBoxLayout(dialog);
  layout->setContentsMargins(18, 16, 18, 12);
  layout->setSpacing(10);
  layout->addWidget(new QLabel(label));
  auto* bar = new QProgressBar;
  bar->setRange(0, 0);  // busy: how far a search has come cannot be told
  bar->setTextVisible(false);
  bar->setMinimumWidth(280);
  layout->addWidget(bar);
  auto* buttons = new QDialogButtonBox;
  buttons->addButton(CoreText(kCancel), QDialogButtonBox::RejectRole);
  QObject::connect(buttons, &QDialogButtonBox::rejected, dialog, &QDialog::reject);
  layout->addWidget(buttons);
  dialog->setFixedSize(dialog->sizeHint());
  return dialog;
}

}  // namespace

ProgressWait::ProgressWait(QWidget* owner, QString label)
    : owner_(owner), label_(std::move(label)) {}

ProgressWait::~ProgressWait() {
  delete dialog_;
}

bool ProgressWait::Run() {
  QTimer::singleShot(kProgressDelayMs, &loop_, &QEventLoop::quit);
  if (!finished_) {
    loop_.exec(QEventLoop::ExcludeUserInputEvents);
  }
  if (finished_) {
    return true;
  }
  dialog_ = MakeProgressWindow(owner_, label_);
  return dialog_->exec() == QDialog::Accepted;
}

void ProgressWait::Finish() {
  finished_ = true;
  loop_.quit();
  if (dialog_ != nullptr) {
    dialog_->accept();
  }
}

}  // namespace kelvane
