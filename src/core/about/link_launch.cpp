#include "core/about/link_launch.h"

#include <array>
#include <string_view>
#include <utility>

#include "core/platform/ini_syntax.h"

namespace lumo {
namespace {

constexpr std::array<std::pair<int, const char*>, 13> kShellErrors{{
    {0, "The operating system is out\nof memory or resources."},
    {2, "The specified file was not found."},
    {3, "The specified path was not found."},
    {5, "The operating system denied\naccess to the specified file."},
    {8, "There was not enough memory to complete the operation."},
    {11, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
    {26, "A sharing violation occurred. "},
    {27, "The filename association is\nincomplete or invalid."},
    {28, "The DDE transaction could not\nbe completed because the request timed out."},
    {29, "The DDE transaction failed."},
    {30, "The DDE transaction could not\nbe completed because other DDE transactions\nwere being processed."},
    {31, "There is no application associated\nwith the given filename extension."},
    {32, "The specified dynamic-link library was not found."},
}};

std::string ShellErrorText(int code) {
  for (const auto& [known, text] : kShellErrors) {
    if (known == code) return text;
  }
  return "Unknown Error (" + std::to_string(code) + ") occurred.";
}

// Splits an Exec value into words: blanks separate them, double quotes group
// them, and inside quotes a backslash keeps the next character.
std::vector<std::string> SplitExec(const std::string& exec) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false, quoted = false;
  for (size_t i = 0; i < exec.size(); ++i) {
    char c = exec[i];
    if (quoted && c == '\\' && i + 1 < exec.size()) {
      word += exec[++i];
    } else if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if (!quoted && (c == ' ' || c == '\t')) {
      if (inWord) words.push_back(std::exchange(word, {}));
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

bool IsUrlCode(char code) { return code == 'u' || code == 'U' || code == 'f' || code == 'F'; }

// Expands the field codes of one word. Returns true when the word holds a
// file or URL placeholder; `word` is then cut before it.
bool ExpandFieldCodes(std::string& word) {
  std::string out;
  for (size_t i = 0; i < word.size(); ++i) {
    if (word[i] != '%' || i + 1 == word.size()) {
      out += word[i];
    } else if (word[i + 1] == '%') {
      out += '%';
      ++i;
    } else if (IsUrlCode(word[i + 1])) {
      word = out;
      return true;
    } else {
      ++i;  // %i, %c, %k and the deprecated codes stand for nothing here
    }
  }
  word = out;
  return false;
}

}  // namespace

std::string LinkErrorMessage(int code) { return "Can't open link:\n\n" + ShellErrorText(code); }

std::string DesktopEntryExec(const std::string& entryText) {
  // A desktop entry has the line syntax of an INI file.
  bool inEntry = false;
  std::string exec;
  lumo::ini::ForEachLine(entryText, [&](const lumo::ini::RawLine& raw) {
    const lumo::ini::ParsedLine line = lumo::ini::ParseLine(raw.text);
    if (line.kind == lumo::ini::LineKind::Header) {
      inEntry = line.name == "Desktop Entry";
    } else if (inEntry && line.kind == lumo::ini::LineKind::Key && lumo::ini::Trim(line.name) == "Exec") {
      exec = lumo::ini::Trim(line.value);
      return false;
    }
    return true;
  });
  return exec;
}

std::vector<std::string> HtmlCommandArguments(const std::string& exec, const std::string& url) {
  std::vector<std::string> arguments;
  for (std::string word : SplitExec(exec)) {
    const bool cut = ExpandFieldCodes(word);
    if (!word.empty()) arguments.push_back(word);
    if (cut) break;
  }
  if (arguments.empty()) return {};
  arguments.push_back(url);
  return arguments;
}

std::string FeedbackMailUrl(const std::string& address, const std::string& name,
                            const std::string& version) {
  return MailUrl(address, FeedbackSubject(name, version));
}

std::string MailUrl(const std::string& address, const std::string& subject) {
  return "mailto:" + address + "?subject=" + subject;
}

std::string FeedbackSubject(const std::string& name, const std::string& version) {
  return "Feedback:" + name + "_" + version;
}

std::string EscapeBlanks(const std::string& text) {
  std::string escaped;
  for (char c : text) escaped += c == ' ' ? std::string("%20") : std::string(1, c);
  return escaped;
}

std::vector<std::string> DocumentationCandidates(const std::string& name) {
  return {name + ".html", "ReadMe.html", "ReadMe.htm", "ReadMe.txt"};
}

}  // namespace lumo
