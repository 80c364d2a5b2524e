#pragma once

#include <string>
#include <vector>

// The Qt-free halves of opening links, mail and documentation: the texts and
// the argument vectors, so that they are tested without a desktop.
namespace lumo {

// "Can't open link:\n\n" and the text for a shell result code (32 or less);
// an unlisted code reads "Unknown Error (<code>) occurred.".
std::string LinkErrorMessage(int code);

// The Exec value of a desktop entry's [Desktop Entry] group, or "" when it
// has none.
std::string DesktopEntryExec(const std::string& entryText);

// The command of a desktop entry's Exec value, split into arguments as
// desktop entries quote them, cut where the first file or URL placeholder
// (%u, %U, %f, %F; quoted or not) stands, with `url` appended as one more
// argument. Other field codes are dropped and "%%" reads "%". The address
// is never split or re-parsed, whatever blanks or quotes it holds. Empty
// when the value holds no program.
std::vector<std::string> HtmlCommandArguments(const std::string& exec, const std::string& url);

// "Feedback:<name>_<version>".
std::string FeedbackSubject(const std::string& name, const std::string& version);

// "mailto:<address>?subject=<subject>".
std::string MailUrl(const std::string& address, const std::string& subject);

// "mailto:<address>?subject=Feedback:<name>_<version>".
std::string FeedbackMailUrl(const std::string& address, const std::string& name,
                            const std::string& version);

// `text` with every blank written as "%20"; nothing else is escaped.
std::string EscapeBlanks(const std::string& text);

// The documentation files tried, in order: "<name>.html", "ReadMe.html",
// "ReadMe.htm", "ReadMe.txt".
std::vector<std::string> DocumentationCandidates(const std::string& name);

}  // namespace lumo
