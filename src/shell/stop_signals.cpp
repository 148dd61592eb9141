// SPDX-License-Identifier: GPL-3.0-or-later
// The self-pipe behind StopSignals.
#include "shell/stop_signals.h"

#include <fcntl.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>

namespace kelvane {
namespace {

constexpr std::array kStopSignals{SIGTERM, SIGINT, SIGHUP};

volatile std::sig_atomic_t writeEnd = -1;

extern "C" void WriteSignalToPipe(int signalNumber) {
  const int savedErrno = errno;
  const unsigned char byte = static_cast<unsigned char>(signalNumber);
  // A full pipe already holds a request; losing this one changes nothing.
  [[maybe_unused]] const ssize_t written = ::write(writeEnd, &byte, 1);
  errno = savedErrno;
}

void SetHandler(int signalNumber, void (*handler)(int)) {
  struct sigaction action {};
  action.sa_handler = handler;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  ::sigaction(signalNumber, &action, nullptr);
}

}  // namespace

StopSignals::StopSignals(QObject* parent) : QObject(parent) {
  if (::pipe2(pipe_, O_CLOEXEC | O_NONBLOCK) != 0) {
    return;
  }
  notifier_ = std::make_unique<QSocketNotifier>(pipe_[0], QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &StopSignals::Drain);
  writeEnd = pipe_[1];
  for (const int signalNumber : kStopSignals) {
    SetHandler(signalNumber, WriteSignalToPipe);
  }
}

StopSignals::~StopSignals() {
  if (notifier_) {
    for (const int signalNumber : kStopSignals) {
      SetHandler(signalNumber, SIG_DFL);
    }
    writeEnd = -1;
    notifier_.reset();
    ::close(pipe_[0]);
    ::close(pipe_[1]);
  }
}

void StopSignals::Drain() {
  unsigned char byte = 0;
  int last = 0;
  while (::read(pipe_[0], &byte, 1) == 1) {
    last = byte;
  }
  if (last != 0) {
    emit StopRequested(last);
  }
}

}  // namespace kelvane
