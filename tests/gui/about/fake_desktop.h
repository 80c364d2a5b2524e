#pragma once

#include <QByteArray>
#include <QStandardPaths>
#include <QtGlobal>

#include <string>

#include "gui/report/fake_program.h"
#include "support/file_bytes.h"
#include "support/temp_dir.h"

namespace lumo::test {

// A desktop of fake programs: for as long as it lives, PATH holds only its
// folder and the data folders point into it, so nothing real is ever opened.
// Each fake program writes its arguments, one a line, to "<name>.log".
class FakeDesktop {
 public:
  FakeDesktop()
      : path_(qgetenv("PATH")), dataHome_(qgetenv("XDG_DATA_HOME")), dataDirs_(qgetenv("XDG_DATA_DIRS")) {
    qputenv("PATH", QByteArray::fromStdString(dir_.Path()));
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(dir_.File("data")));
    qputenv("XDG_DATA_DIRS", QByteArray::fromStdString(dir_.File("none")));
  }
  ~FakeDesktop() {
    qputenv("PATH", path_);
    qputenv("XDG_DATA_HOME", dataHome_);
    qputenv("XDG_DATA_DIRS", dataDirs_);
  }
  FakeDesktop(const FakeDesktop&) = delete;
  FakeDesktop& operator=(const FakeDesktop&) = delete;

  // A program that logs its arguments and exits with `status`.
  std::string Add(const std::string& name, int status, const std::string& extra = "") {
    return WriteFakeProgram(dir_.Path(), name,
                            "for a in \"$@\"; do printf '%s\\n' \"$a\"; done >> '" + Log(name) + "'\n" + extra +
                                "exit " + std::to_string(status));
  }
  std::string Log(const std::string& name) const { return dir_.File(name + ".log"); }
  std::string Logged(const std::string& name) const { return ReadBytes(Log(name)); }
  const TempDir& Dir() const { return dir_; }

 private:
  TempDir dir_;
  QByteArray path_, dataHome_, dataDirs_;
};

}  // namespace lumo::test
