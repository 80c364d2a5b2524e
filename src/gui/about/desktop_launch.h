#pragma once

#include <QString>
#include <QStringList>

#include <string>

namespace lumo {

struct AboutInfo;

// Handing links, mail and documents to the desktop: the shell opener
// (xdg-open), then for links the command registered for HTML files, and the
// desktop's interactive mail hand-off (xdg-email). Programs are looked up on
// PATH when called; every command runs with an argument vector, never
// through a shell.
// Opens `url` with the desktop's opener; when that fails, with the command
// that `xdg-mime query default text/html` names. Returns the opener's code
// (above 32 when launched) when neither route launched anything.
int OpenLinkWithShell(const QString& url);

// Hands `target` to the desktop's opener, with the wait cursor up. True
// when it was accepted. Shows nothing.
bool OpenUrl(const QString& target);

// Opens the desktop's mail composer on a new mail to `recipient` with this
// subject (xdg-email). When no composer can be started and `interactive`,
// says "Can't generate a mail message.  Do you have mail installed?". True
// when the mail was handed over.
bool SendMailHandoff(const std::string& recipient, const std::string& subject, bool interactive);

// The program-wide commands of the about record.
// A mailto link through the opener, else the mail hand-off; false with a
// warning when both failed.
bool SendFeedbackMail(const AboutInfo& info);
// The maker's page for this program; true whatever happened.
bool OpenWebPage(const AboutInfo& info);
// The first documentation file that opens, looked for next to the program
// and then in ../share/doc/lumo; false when none did.
bool OpenDocumentation(const AboutInfo& info);
// The same, looking in these folders in order.
bool OpenDocumentationIn(const AboutInfo& info, const QStringList& folders);
// Where the documentation is looked for: the program's folder, then
// ../share/doc/lumo beside it.
QStringList DocumentationFolders();

}  // namespace lumo
