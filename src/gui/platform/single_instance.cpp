#include "gui/platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <filesystem>

#include <unistd.h>

#include "core/platform/profile.h"

namespace lumo {

namespace {

// A request is one of these, one per connection; a file's path follows
// "open " and ends with a NUL byte, which no path holds.
constexpr char kRaiseRequest[] = "raise\n";
constexpr char kOpenRequest[] = "open ";
// Connections served at once; more are closed unread.
constexpr int kMaxConnections = 16;
constexpr qsizetype kMaxRequest = sizeof kOpenRequest + SingleInstance::kMaxHandedPath;

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

bool SingleInstance::AskFirstToRaise(int timeoutMs) { return Send(kRaiseRequest, timeoutMs); }

bool SingleInstance::AskFirstToOpen(const std::string& path, int timeoutMs) {
  QByteArray request(kOpenRequest);
  request.append(path.data(), static_cast<qsizetype>(path.size()));
  request.append('\0');
  return Send(request, timeoutMs);
}

bool SingleInstance::Send(const QByteArray& request, int timeoutMs) {
  QLocalSocket socket;
  socket.connectToServer(key_);
  if (!socket.waitForConnected(timeoutMs)) return false;
  socket.write(request);
  bool sent = socket.waitForBytesWritten(timeoutMs);
  socket.disconnectFromServer();
  return sent;
}

// Each connection is read up to one request; one that grows past the
// longest request is cut off.
void SingleInstance::OnNewConnection() {
  while (QLocalSocket* socket = server_->nextPendingConnection()) {
    if (connections_ >= kMaxConnections) {
      socket->abort();
      socket->deleteLater();
      continue;
    }
    ++connections_;
    connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
    connect(socket, &QObject::destroyed, this, [this] { --connections_; });
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] {
      QByteArray request = socket->property("request").toByteArray() + socket->readAll();
      const qsizetype end = request.indexOf('\0');
      const bool complete = request.startsWith(kRaiseRequest) || end >= 0;
      if (complete) Receive(end >= 0 ? request.first(end) : request);
      if (complete || request.size() > kMaxRequest) {
        socket->abort();
        return;
      }
      socket->setProperty("request", request);
    });
  }
}

void SingleInstance::Receive(const QByteArray& request) {
  if (request.startsWith(kRaiseRequest)) {
    emit raiseRequested();
    return;
  }
  if (!request.startsWith(kOpenRequest)) return;
  const QByteArray path = request.mid(static_cast<qsizetype>(sizeof kOpenRequest) - 1);
  if (static_cast<std::size_t>(path.size()) > kMaxHandedPath ||
      !std::filesystem::path(path.toStdString()).is_absolute()) {
    return;
  }
  emit openRequested(path.toStdString());
  emit raiseRequested();
}

}  // namespace lumo
