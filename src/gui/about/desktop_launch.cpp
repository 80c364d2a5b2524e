#include "gui/about/desktop_launch.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

#include "core/about/about_info.h"
#include "core/about/link_launch.h"
#include "core/platform/atomic_file.h"
#include "core/platform/message_box.h"
#include "gui/platform/shell_open.h"
#include "gui/platform/translation.h"

namespace lumo {
namespace {

constexpr int kQueryWaitMs = 3000;

// What `xdg-mime query default text/html` answers: a desktop entry's id.
QString DefaultHtmlEntry() {
  QProcess query;
  query.setChildProcessModifier(&platform::RestoreWriteSignals);
  query.setStandardInputFile(QProcess::nullDevice());
  query.start(QStringLiteral("xdg-mime"), {QStringLiteral("query"), QStringLiteral("default"),
                                           QStringLiteral("text/html")});
  if (!query.waitForFinished(kQueryWaitMs) || query.exitStatus() != QProcess::NormalExit ||
      query.exitCode() != 0) {
    query.kill();
    query.waitForFinished(kQueryWaitMs);
    return {};
  }
  return QString::fromLocal8Bit(query.readAllStandardOutput()).trimmed();
}

// The desktop entry's Exec value, looked for in the data folders in order.
std::string HtmlEntryExec(const QString& entryId) {
  if (entryId.isEmpty() || entryId.contains(QLatin1Char('/'))) return {};
  const QString path = QStandardPaths::locate(QStandardPaths::ApplicationsLocation, entryId);
  QFile entry(path);
  if (path.isEmpty() || !entry.open(QIODevice::ReadOnly)) return {};
  return DesktopEntryExec(entry.read(1 << 20).toStdString());
}

bool StartHtmlCommand(const QString& url) {
  const std::vector<std::string> words =
      HtmlCommandArguments(HtmlEntryExec(DefaultHtmlEntry()), url.toStdString());
  if (words.empty()) return false;
  QStringList arguments;
  for (size_t i = 1; i < words.size(); ++i) arguments << QString::fromStdString(words[i]);
  // The browser must not inherit the write signals this program ignores.
  QProcess browser;
  browser.setProgram(QString::fromStdString(words.front()));
  browser.setArguments(arguments);
  browser.setChildProcessModifier(&platform::RestoreWriteSignals);
  browser.setStandardInputFile(QProcess::nullDevice());
  return browser.startDetached();
}

}  // namespace

QStringList DocumentationFolders() {
  const QString programFolder = QCoreApplication::applicationDirPath();
  return {programFolder, QDir::cleanPath(programFolder + QStringLiteral("/../share/doc/lumo"))};
}

int OpenLinkWithShell(const QString& url) {
  const int result = ShellOpener().Open(url);
  if (result > 32) return result;
  return StartHtmlCommand(url) ? kShellLaunched : result;
}

bool OpenUrl(const QString& target) { return ShellOpener().Open(target) > 32; }

bool SendMailHandoff(const std::string& recipient, const std::string& subject, bool interactive) {
  // xdg-email takes the whole mail as a mailto address; 3 or 4 (or no
  // xdg-email at all) means there is no composer to hand it to.
  const QString mail = QString::fromStdString(EscapeBlanks(MailUrl(recipient, subject)));
  const int result = ShellOpener(QStringLiteral("xdg-email")).Open(mail);
  if (result == kShellNoAssociation && interactive) {
    ShowMessageBox(TrUtf8("Lumo", "Can't generate a mail message.  Do you have mail installed?"), MessageButtons::Ok,
                   MessageIcon::Warning);
  }
  return result > 32;
}

bool SendFeedbackMail(const AboutInfo& info) {
  const std::string url = EscapeBlanks(FeedbackMailUrl(kFeedbackAddress, info.name, info.version));
  if (OpenUrl(QString::fromStdString(url))) return true;
  if (SendMailHandoff(kFeedbackAddress, FeedbackSubject(info.name, info.version), true)) return true;
  ShowMessageBox(TrUtf8("Lumo", "Failed to send mail - tried indirect (browser) and direct (MAPI)"), MessageButtons::Ok,
                 MessageIcon::Warning);
  return false;
}

bool OpenWebPage(const AboutInfo& info) {
  OpenUrl(QString::fromStdString(MakerPageUrl(info.name)));
  return true;
}

bool OpenDocumentation(const AboutInfo& info) { return OpenDocumentationIn(info, DocumentationFolders()); }

bool OpenDocumentationIn(const AboutInfo& info, const QStringList& folders) {
  for (const QString& folder : folders) {
    for (const std::string& name : DocumentationCandidates(info.name)) {
      const QString path = folder + QLatin1Char('/') + QString::fromStdString(name);
      // A file that is not there could not be opened either; asking the
      // opener about it would only cost a process each.
      if (QFile::exists(path) && OpenUrl(path)) return true;
    }
  }
  return false;
}

}  // namespace lumo
