// The single-instance guard over a local socket.
#include "shell/single_instance.h"

#include <unistd.h>
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

QString SingleInstance::DefaultName() {
  return QStringLiteral("kelvane-%1").arg(getuid());
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
