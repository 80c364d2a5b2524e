#pragma once

#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>
#include <string>

namespace lumo {

// One copy of the program at a time, per user and settings folder: the first
// copy holds a lock file and listens on a local socket private to the user;
// a later copy finds the lock taken, asks the first copy (through the
// socket) to bring its window to the front, or to open a file there, and
// ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `key` names the lock and the socket; DefaultKey() for the program.
  explicit SingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
  ~SingleInstance() override;

  // "lumo-<user id>-<hash of the profile directory>", so that a copy started
  // with another settings folder (a test, a throwaway profile) is separate.
  static QString DefaultKey();

  // The longest path a later copy may hand over, in bytes.
  static constexpr std::size_t kMaxHandedPath = 4096;

  // True when this process is the first copy: it then holds the lock until it
  // is destroyed and emits raiseRequested() whenever a later copy asks, and
  // openRequested() too when it hands over a file. Only an absolute path of
  // at most kMaxHandedPath bytes is taken; any other message is dropped. A
  // token that is not a short line of printable ASCII is taken as none.
  bool TryBecomeFirst();

  // For a later copy: asks the first copy to raise its window, passing on
  // the activation token its launcher gave (empty for none). False when no
  // first copy answered within `timeoutMs`.
  bool AskFirstToRaise(const std::string& activationToken = {}, int timeoutMs = 2000);
  // For a later copy: asks the first copy to open `path` (absolute, at most
  // kMaxHandedPath bytes) and raise its window, as AskFirstToRaise() does.
  bool AskFirstToOpen(const std::string& path, const std::string& activationToken = {}, int timeoutMs = 2000);

 signals:
  // `activationToken` lets a Wayland compositor give the window the focus;
  // empty when the later copy had none.
  void raiseRequested(const std::string& activationToken);
  void openRequested(const std::string& path);

 private:
  void OnNewConnection();
  void OnBytes(QLocalSocket& socket, bool ended);
  bool Send(const QByteArray& request, int timeoutMs);
  void Receive(const QByteArray& request, const std::string& activationToken);

  QString key_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
  int connections_ = 0;  // open now, bounded against a flood
};

}  // namespace lumo
