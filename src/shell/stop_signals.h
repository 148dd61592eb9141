// SPDX-License-Identifier: GPL-3.0-or-later
// SIGTERM, SIGINT and SIGHUP turned into a Qt signal on the event loop.
#pragma once

#include <QObject>
#include <QSocketNotifier>
#include <memory>

namespace kelvane {

// Only one may exist: the handlers write to its pipe. The handler itself only writes the signal's
// number to the pipe, since nothing else is safe inside it; the notifier reads it on the loop.
class StopSignals : public QObject {
  Q_OBJECT

 public:
  explicit StopSignals(QObject* parent = nullptr);
  ~StopSignals() override;

 signals:
  // The session or the user asked the game to end (the signal's number).
  void StopRequested(int signalNumber);

 private:
  void Drain();

  int pipe_[2] = {-1, -1};
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace kelvane
