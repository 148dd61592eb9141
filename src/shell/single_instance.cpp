// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard over a local socket.
#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QThread>

namespace kelvane {

namespace {
constexpr int kConnectTimeoutMs = 1000;
// A copy that holds the lock may still be starting its server: it is asked a few times.
constexpr int kWakeAttempts = 10;
constexpr int kWakeIntervalMs = 100;
}  // namespace

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)), lock_(QDir::temp().filePath(name_ + ".lock")) {
  // A lock whose process is gone is taken over at once, whatever its age.
  lock_.setStaleLockTime(0);
  connect(&server_, &QLocalServer::newConnection, this, [this] {
    while (QLocalSocket* socket = server_.nextPendingConnection()) {
      socket->disconnectFromServer();
      socket->deleteLater();
      emit ActivationRequested();
    }
  });
}

// One name per user account, from the home folder, so that it works alike on every platform.
QString SingleInstance::DefaultName() {
  const QByteArray digest =
      QCryptographicHash::hash(QDir::homePath().toUtf8(), QCryptographicHash::Sha1).toHex();
  return QStringLiteral("kelvane-") + QString::fromLatin1(digest.left(16));
}

bool SingleInstance::AnotherIsRunning() {
  // The lock decides which copy runs; the socket only carries the wake-up. Deciding by the socket
  // alone let two copies started together each remove the other's socket and both run.
  if (!lock_.tryLock(0)) {
    WakeTheRunningCopy();
    return true;
  }
  // A copy that crashed leaves its socket file behind; nobody answers on it any more.
  QLocalServer::removeServer(name_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(name_);
  return false;
}

void SingleInstance::WakeTheRunningCopy() const {
  for (int attempt = 0; attempt < kWakeAttempts; ++attempt) {
    QLocalSocket probe;
    probe.connectToServer(name_);
    if (probe.waitForConnected(kConnectTimeoutMs)) {
      // The connection itself is the request; nothing needs to be said.
      probe.disconnectFromServer();
      return;
    }
    QThread::msleep(kWakeIntervalMs);
  }
}

}  // namespace kelvane
