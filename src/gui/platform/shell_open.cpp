#include "gui/platform/shell_open.h"

#include <QCoreApplication>
#include <QCursor>
#include <QGuiApplication>
#include <QProcess>

#include <memory>
#include <utility>

#include "core/platform/atomic_file.h"

namespace lumo {
namespace {

// The wait cursor for as long as the launcher is waited for.
class WaitCursor {
 public:
  WaitCursor() : shown_(qobject_cast<QGuiApplication*>(QCoreApplication::instance()) != nullptr) {
    if (shown_) QGuiApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
  }
  ~WaitCursor() {
    if (shown_) QGuiApplication::restoreOverrideCursor();
  }
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;

 private:
  bool shown_;
};

// xdg-open's documented exit statuses, in the shell's terms.
int ResultOfExit(int status) {
  switch (status) {
    case 0: return kShellLaunched;
    case 1: return kShellAssocIncomplete;
    case 2: return kShellFileNotFound;
    case 3:
    case 4: return kShellNoAssociation;
    default: return kShellFailed;
  }
}

// A launcher that outlives the wait must not be killed (deleting a running
// QProcess kills it), so the application keeps it until it ends.
void LetRunOn(std::unique_ptr<QProcess> process) {
  QProcess* running = process.release();
  running->setParent(QCoreApplication::instance());
  QObject::connect(running, &QProcess::finished, running, &QObject::deleteLater);
}

}  // namespace

ShellOpener::ShellOpener(QString program, std::chrono::milliseconds wait)
    : program_(std::move(program)), wait_(wait) {}

int ShellOpener::Open(const QString& target) const {
  WaitCursor busy;
  auto process = std::make_unique<QProcess>();
  process->setProgram(program_);
  process->setArguments({target.startsWith(u'-') ? QStringLiteral("./") + target : target});
  process->setStandardInputFile(QProcess::nullDevice());
  process->setProcessChannelMode(QProcess::ForwardedChannels);
  // The opener must not inherit the write signals this program ignores.
  process->setChildProcessModifier(&platform::RestoreWriteSignals);
  process->start();
  if (!process->waitForStarted(static_cast<int>(wait_.count()))) {
    return process->error() == QProcess::FailedToStart ? kShellNoAssociation : kShellFailed;
  }
  if (!process->waitForFinished(static_cast<int>(wait_.count()))) {
    if (process->state() != QProcess::Running) return kShellFailed;
    LetRunOn(std::move(process));
    return kShellLaunched;
  }
  if (process->exitStatus() != QProcess::NormalExit) return kShellFailed;
  return ResultOfExit(process->exitCode());
}

}  // namespace lumo
