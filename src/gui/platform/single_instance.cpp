#include "gui/platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <unistd.h>

#include "core/platform/profile.h"

namespace lumo {

namespace {

constexpr char kRaiseRequest[] = "raise\n";

QString LockDirectory() {
  QString runtime = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
  return runtime.isEmpty() ? QDir::tempPath() : runtime;
}

}  // namespace

SingleInstance::SingleInstance(QString key, QObject* parent) : QObject(parent), key_(std::move(key)) {}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::DefaultKey() {
  QByteArray profile = QByteArray::fromStdString(lumo::profile::ProfileDirectory());
  QByteArray hash = QCryptographicHash::hash(profile, QCryptographicHash::Sha1).toHex().left(12);
  return QStringLiteral("lumo-%1-%2").arg(getuid()).arg(QString::fromLatin1(hash));
}

bool SingleInstance::TryBecomeFirst() {
  auto lock = std::make_unique<QLockFile>(LockDirectory() + QLatin1Char('/') + key_ + QStringLiteral(".lock"));
  lock->setStaleLockTime(0);  // only a dead owner's lock is stale
  if (!lock->tryLock(0)) return false;
  lock_ = std::move(lock);
  // We hold the lock, so a socket left by a crashed copy can be taken over.
  QLocalServer::removeServer(key_);
  server_ = std::make_unique<QLocalServer>();
  server_->setSocketOptions(QLocalServer::UserAccessOption);
  connect(server_.get(), &QLocalServer::newConnection, this, &SingleInstance::OnNewConnection);
  server_->listen(key_);
  return true;
}

bool SingleInstance::AskFirstToRaise(int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(key_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(kRaiseRequest);
  bool sent = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  return sent;
}

void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      if (socket->readAll().contains("raise")) emit raiseRequested();
    });
  }
}

}  // namespace lumo
