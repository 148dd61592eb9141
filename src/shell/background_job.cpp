// SPDX-License-Identifier: GPL-3.0-or-later
// Starting, stopping and answering the one worker of a BackgroundJob.
#include "shell/background_job.h"

namespace kelvane {

BackgroundJob::BackgroundJob(QObject* parent) : QObject(parent) {}

BackgroundJob::~BackgroundJob() {
  Stop();
}

void BackgroundJob::Stop() {
  stop_ = true;
  if (worker_.joinable()) {
    worker_.join();
  }
  ++run_;
  running_ = false;
}

void BackgroundJob::StartErased(
    std::function<std::function<void()>(const std::atomic<bool>&)> work) {
  Stop();
  stop_ = false;
  running_ = true;
  worker_ = std::thread([this, work = std::move(work), run = run_] {
    std::function<void()> answer = work(stop_);
    if (stop_) {
      return;
    }
    // Stop() joins this thread before the object goes, so the call cannot dangle; an answer
    // queued before a Stop() finds run_ moved on and is dropped.
    QMetaObject::invokeMethod(
        this,
        [this, answer = std::move(answer), run] {
          if (run != run_) {
            return;
          }
          worker_.join();
          running_ = false;
          answer();
        },
        Qt::QueuedConnection);
  });
}

}  // namespace kelvane
