// SPDX-License-Identifier: GPL-3.0-or-later
// One piece of work at a time in a worker thread, its answer handed back to the window's thread
// and dropped once the work is no longer wanted.
#pragma once

#include <QObject>
#include <atomic>
#include <functional>
#include <thread>
#include <utility>

namespace kelvane {

class BackgroundJob : public QObject {
 public:
  explicit BackgroundJob(QObject* parent = nullptr);
  // Stops the work under way and waits for it to end.
  ~BackgroundJob() override;

  // Stops any work under way, then runs work(stop) in a worker; `stop` is raised when the work is
  // no longer wanted and the work should then return soon. Unless stopped or started anew first,
  // done(result) is then called on this object's thread. The work must not touch the Game: give
  // it copies.
  template <typename Work, typename Done>
  void Start(Work work, Done done) {
    StartErased([work = std::move(work),
                 done = std::move(done)](const std::atomic<bool>& stop) -> std::function<void()> {
      return [result = work(stop), done]() mutable { done(std::move(result)); };
    });
  }

  // Raises the stop flag, waits for the worker and drops its answer. The searches look at the
  // flag every few thousand steps, so the wait is short.
  void Stop();
  // Started and neither answered nor stopped yet.
  bool Running() const { return running_; }

 private:
  void StartErased(std::function<std::function<void()>(const std::atomic<bool>&)> work);

  std::atomic<bool> stop_ = false;
  std::thread worker_;
  // Tells an answer already queued from a stopped run from the answer of the current one.
  unsigned run_ = 0;
  bool running_ = false;
};

}  // namespace kelvane
