// SPDX-License-Identifier: GPL-3.0-or-later
// The single-instance guard over a local socket.
#include "shell/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>

namespace kelvane {

namespace {
constexpr int kConnectTimeoutMs = 1000;
}

SingleInstance::SingleInstance(QString name, QObject* parent)
    : QObject(parent), name_(std::move(name)) {
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
  QLocalSocket probe;
  probe.connectToServer(name_);
  if (probe.waitForConnected(kConnectTimeoutMs)) {
    // The connection itself is the request; nothing needs to be said.
    probe.disconnectFromServer();
    return true;
  }
  // A copy that crashed leaves its socket file behind; nobody answers on it any more.
  QLocalServer::removeServer(name_);
  server_.setSocketOptions(QLocalServer::UserAccessOption);
  server_.listen(name_);
  return false;
}

}  // namespace kelvane
