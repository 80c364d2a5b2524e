#pragma once

#include <QObject>
#include <QTimer>

#include <functional>
#include <optional>
#include <string>

namespace lumo {

// Files to open that arrive from outside (a hand-over from another copy of
// the program, a drop) while the window may be busy: each request replaces
// the one waiting, and the last is opened once the window is idle, never
// inside the request's own handler nor inside other work.
class OpenQueue : public QObject {
  Q_OBJECT

 public:
  using IsIdle = std::function<bool()>;
  using Open = std::function<void(const std::string& path)>;

  OpenQueue(IsIdle isIdle, Open open, QObject* parent);

  // Keeps `path` as the one file to open next, in place of any waiting.
  void Request(std::string path);
  bool HasPending() const { return pending_.has_value(); }

 private:
  void Poll();

  IsIdle isIdle_;
  Open open_;
  QTimer timer_;
  std::optional<std::string> pending_;
};

}  // namespace lumo
