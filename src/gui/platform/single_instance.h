#pragma once

#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>

#include <memory>

namespace lumo {

// One copy of the program at a time, per user and settings folder: the first
// copy holds a lock file and listens on a local socket private to the user;
// a later copy finds the lock taken, asks the first copy (through the
// socket) to bring its window to the front, and ends.
class SingleInstance : public QObject {
  Q_OBJECT

 public:
  // `key` names the lock and the socket; DefaultKey() for the program.
  explicit SingleInstance(QString key = DefaultKey(), QObject* parent = nullptr);
  ~SingleInstance() override;

  // "lumo-<user id>-<hash of the profile directory>", so that a copy started
  // with another settings folder (a test, a throwaway profile) is separate.
  static QString DefaultKey();

  // True when this process is the first copy: it then holds the lock until it
  // is destroyed and emits raiseRequested() whenever a later copy asks.
  bool TryBecomeFirst();

  // For a later copy: asks the first copy to raise its window. False when no
  // first copy answered within `timeoutMs`.
  bool AskFirstToRaise(int timeoutMs = 2000);

 signals:
  void raiseRequested();

 private:
  void OnNewConnection();

  QString key_;
  std::unique_ptr<QLockFile> lock_;
  std::unique_ptr<QLocalServer> server_;
};

}  // namespace lumo
