#pragma once

#include <QLabel>
#include <QPointer>
#include <QString>

#include <string>

namespace lumo {

// The main window's status line: the loaded file's path, or for a while a
// note in its place (nothing found, a file without albums, a Find that
// wrapped round) until the next command or load brings the path back.
class StatusLine {
 public:
  explicit StatusLine(QLabel* label) : label_(label) {}

  // The path of the file now loaded (empty: none); ends any note.
  void ShowPath(const std::string& path);
  // `note` in place of the path until EndNote or ShowPath.
  void ShowNote(const QString& note);
  void EndNote();

 private:
  QPointer<QLabel> label_;
  QString path_;
};

}  // namespace lumo
