#include "gui/platform/single_instance.h"

#include <QCryptographicHash>
#include <QDir>
#include <QLocalSocket>
#include <QStandardPaths>

#include <algorithm>
#include <filesystem>

#include <unistd.h>

#include "core/platform/profile.h"

namespace lumo {

namespace {

// A request is one of these, one per connection; a file's path follows
// "open " and ends with a NUL byte, which no path holds. A launcher's
// activation token may follow either, as "token TOKEN" ending with a NUL;
// older copies stop reading before it.
constexpr char kRaiseRequest[] = "raise\n";
constexpr char kOpenRequest[] = "open ";
constexpr char kTokenTrailer[] = "token ";
// Connections served at once; more are closed unread.
constexpr int kMaxConnections = 16;
constexpr qsizetype kMaxRequest = sizeof kOpenRequest + SingleInstance::kMaxHandedPath;
constexpr qsizetype kMaxToken = 256;
constexpr qsizetype kMaxTrailer = sizeof kTokenTrailer + kMaxToken;

// The length of the request at the front of `bytes`, its end marker
// included, or -1 while it is incomplete.
qsizetype RequestLength(const QByteArray& bytes) {
  if (bytes.startsWith(kRaiseRequest)) return static_cast<qsizetype>(sizeof kRaiseRequest) - 1;
  const qsizetype end = bytes.indexOf('\0');
  return end < 0 ? -1 : end + 1;
}

// True while what follows a request may still become a token trailer.
bool TrailerMayFollow(const QByteArray& rest) {
  const QByteArray trailer(kTokenTrailer);
  return rest.size() <= kMaxTrailer && !rest.contains('\0') &&
         (trailer.startsWith(rest) || rest.startsWith(trailer));
}

// The token of a complete trailer; empty for none, or for one that is not a
// short line of printable ASCII, which no launcher sends.
std::string TokenOf(const QByteArray& rest) {
  const qsizetype end = rest.indexOf('\0');
  if (!rest.startsWith(kTokenTrailer) || end < 0) return {};
  const QByteArray token = rest.first(end).mid(static_cast<qsizetype>(sizeof kTokenTrailer) - 1);
  const bool printable = std::all_of(token.begin(), token.end(), [](char c) { return c >= 0x20 && c < 0x7F; });
  return printable && token.size() <= kMaxToken ? token.toStdString() : std::string();
}

QByteArray WithToken(QByteArray request, const std::string& token) {
  if (token.empty()) return request;
  request.append(kTokenTrailer);
  request.append(token.data(), static_cast<qsizetype>(token.size()));
  request.append('\0');
  return request;
}

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

bool SingleInstance::AskFirstToRaise(const std::string& activationToken, int timeoutMs) {
  return Send(WithToken(kRaiseRequest, activationToken), timeoutMs);
}

bool SingleInstance::AskFirstToOpen(const std::string& path, const std::string& activationToken, int timeoutMs) {
  QByteArray request(kOpenRequest);
  request.append(path.data(), static_cast<qsizetype>(path.size()));
  request.append('\0');
  return Send(WithToken(request, activationToken), timeoutMs);
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

// Each connection is read up to one request and the token that may follow
// it; one that grows past the longest request is cut off, and one whose
// sender leaves counts with what came.
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
    connect(socket, &QLocalSocket::readyRead, this, [this, socket] { OnBytes(*socket, false); });
    connect(socket, &QLocalSocket::disconnected, this, [this, socket] { OnBytes(*socket, true); });
  }
}

void SingleInstance::OnBytes(QLocalSocket& socket, bool ended) {
  const QByteArray bytes = socket.property("request").toByteArray() + socket.readAll();
  socket.setProperty("request", QByteArray());
  const qsizetype length = RequestLength(bytes);
  const bool more = length < 0 ? bytes.size() <= kMaxRequest : TrailerMayFollow(bytes.mid(length));
  if (more && !ended) {
    socket.setProperty("request", bytes);
    return;
  }
  if (length >= 0) Receive(bytes.first(length), TokenOf(bytes.mid(length)));
  if (!ended) socket.abort();
}

void SingleInstance::Receive(const QByteArray& request, const std::string& activationToken) {
  if (request.startsWith(kRaiseRequest)) {
    emit raiseRequested(activationToken);
    return;
  }
  if (!request.startsWith(kOpenRequest)) return;
  const QByteArray path = request.mid(static_cast<qsizetype>(sizeof kOpenRequest) - 1).chopped(1);  // its NUL
  if (static_cast<std::size_t>(path.size()) > kMaxHandedPath ||
      !std::filesystem::path(path.toStdString()).is_absolute()) {
    return;
  }
  emit openRequested(path.toStdString());
  emit raiseRequested(activationToken);
}

}  // namespace lumo
