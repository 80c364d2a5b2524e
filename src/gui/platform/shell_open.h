#pragma once

#include <QString>

#include <chrono>

// Opening a file or URL with the desktop's default application, answered
// with the classic shell result codes: above 32 means launched, 32 or less
// names the failure.
namespace lumo {

inline constexpr int kShellLaunched = 42;         // opened, or still opening
inline constexpr int kShellFileNotFound = 2;      // the launcher found no such file
inline constexpr int kShellAssocIncomplete = 27;  // the launcher rejected the request
inline constexpr int kShellNoAssociation = 31;    // no launcher, or nothing to open it with
inline constexpr int kShellFailed = 0;            // the launcher crashed or failed otherwise

// Runs a launcher program (xdg-open unless told otherwise) on one target,
// with an argument vector and never through a shell. A value type: copies
// run the same program. Needs a QApplication (it shows the wait cursor).
class ShellOpener {
 public:
  explicit ShellOpener(QString program = QStringLiteral("xdg-open"),
                       std::chrono::milliseconds wait = std::chrono::seconds(3));

  // Starts the launcher on `target` and waits for it at most the wait time,
  // with the wait cursor up. Exit 0, or still running after the wait:
  // kShellLaunched (a launcher still running is left to finish on its own).
  // Exit 2: kShellFileNotFound. Exit 3 or 4, or a launcher that cannot be
  // started: kShellNoAssociation. Exit 1: kShellAssocIncomplete. Any other
  // exit, or a crash: kShellFailed. A target beginning with "-" is passed
  // as "./-..." so that it can never be taken for an option.
  int Open(const QString& target) const;

  const QString& Program() const { return program_; }

 private:
  QString program_;
  std::chrono::milliseconds wait_;
};

}  // namespace lumo
