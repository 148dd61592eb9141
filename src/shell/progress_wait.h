// SPDX-License-Identifier: GPL-3.0-or-later
// Waiting for a solver run that the player asked for: the window keeps painting, and a run that
// takes longer than a moment shows a modal progress window with Cancel.
#pragma once

#include <QEventLoop>
#include <QString>
#include <optional>
#include <utility>

#include "shell/background_job.h"

class QDialog;
class QWidget;

namespace kelvane {

// One wait: Run() returns once Finish() is called, or when the player cancels.
class ProgressWait {
 public:
  ProgressWait(QWidget* owner, QString label);
  ~ProgressWait();

  // True once Finish() came, false when the player pressed Cancel or Escape first. User input
  // waits until the progress window shows, so nothing changes the game meanwhile.
  bool Run();
  void Finish();

 private:
  QWidget* owner_;
  QString label_;
  QEventLoop loop_;
  QDialog* dialog_ = nullptr;
  bool finished_ = false;
};

// Runs work(stop) in a worker and waits for it as above: its result, or nothing when the player
// cancelled (the work is then stopped and its result dropped).
template <typename Work>
auto RunWithProgress(QWidget* owner, const QString& label, Work work) {
  using Result = decltype(work(std::declval<const std::atomic<bool>&>()));
  std::optional<Result> result;
  ProgressWait wait(owner, label);
  BackgroundJob job;
  job.Start(std::move(work), [&result, &wait](Result found) {
    result = std::move(found);
    wait.Finish();
  });
  if (!wait.Run()) {
    job.Stop();
    result.reset();
  }
  return result;
}

}  // namespace kelvane
