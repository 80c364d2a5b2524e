#pragma once

#include <map>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "core/platform/profile.h"
#include "core/platform/text_fold.h"

// Random INI files with every oddity the line rules allow, random edits of
// them, and a reader of such files written from the line rules alone, apart
// from the code under test, for tests that compare the two.
namespace lumo::test {

// What a loader sees: folded section -> folded key -> value.
using IniModel = std::map<std::string, std::map<std::string, std::string>>;

struct IniLine {
  std::optional<std::string> section;  // folded; none before the first header
  std::string text;
  std::string end;  // "\r\n", "\n" or "" for a last line without one
};

inline std::string TrimBlanks(const std::string& text) {
  const char* blanks = " \t\r\n\v\f";
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

inline std::vector<IniLine> SplitLines(const std::string& bytes) {
  const std::string text = bytes.substr(0, bytes.find('\x1a'));
  std::vector<IniLine> lines;
  std::optional<std::string> section;
  for (std::size_t pos = 0; pos < text.size();) {
    const std::size_t lf = text.find('\n', pos);
    IniLine line{section, text.substr(pos, lf == std::string::npos ? std::string::npos : lf - pos), ""};
    if (lf != std::string::npos) {
      const bool cr = !line.text.empty() && line.text.back() == '\r';
      if (cr) line.text.pop_back();
      line.end = cr ? "\r\n" : "\n";
    }
    const std::string trimmed = TrimBlanks(line.text);
    if (!trimmed.empty() && trimmed[0] == '[') {
      section = FoldCase(trimmed.substr(1, trimmed.size() >= 2 ? trimmed.size() - 2 : 0));
      line.section = section;
    }
    lines.push_back(line);
    pos = lf == std::string::npos ? text.size() : lf + 1;
  }
  return lines;
}

inline IniModel ReadModel(const std::string& bytes) {
  IniModel model;
  for (const IniLine& line : SplitLines(bytes)) {
    const std::string trimmed = TrimBlanks(line.text);
    if (trimmed.empty() || trimmed[0] == ';' || !line.section) continue;
    auto& section = model[*line.section];
    const std::size_t equals = trimmed.find('=');
    if (trimmed[0] != '[' && equals != std::string::npos) {
      section[FoldCase(trimmed.substr(0, equals))] = trimmed.substr(equals + 1);
    }
  }
  return model;
}

inline void ApplyToModel(const profile::Edit& edit, IniModel& model) {
  if (edit.kind == profile::Edit::Kind::RemoveSection) {
    model.erase(FoldCase(edit.section));
  } else {
    model[FoldCase(edit.section)][FoldCase(edit.key)] = edit.value;
  }
}

class RandomIni {
 public:
  explicit RandomIni(uint32_t seed) : rng_(seed) {}

  // Up to `maxLines` lines, with mixed line ends, now and then a last line
  // without one and bytes hidden behind a Ctrl-Z.
  std::string File(int maxLines = 30) {
    std::string file;
    const int lines = Pick(0, maxLines);
    for (int i = 0; i < lines; ++i) file += Line() + (Pick(0, 3) == 0 ? "\n" : "\r\n");
    if (Pick(0, 3) == 0) file += Line();  // no final line end
    if (Pick(0, 4) == 0) file += "\x1a[Abc]\r\nartist=hidden\r\n\xF0\xFF";
    return file;
  }

  profile::Edit AnyEdit() {
    if (Pick(0, 3) == 0) return profile::Edit::Remove(Section());
    return profile::Edit::Set(Section(), Key(), Value());
  }

  // One of a few edits that could not be read back.
  profile::Edit BadEdit() {
    switch (Pick(0, 3)) {
      case 0: return profile::Edit::Set(Section(), "k=1", "v");
      case 1: return profile::Edit::Set(Section(), Key(), "trailing ");
      case 2: return profile::Edit::Set("two\nlines", Key(), "v");
      default: return profile::Edit::Set(Section(), Key(), "a\x1a");
    }
  }

  int Pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(rng_); }

 private:
  std::string Section() {
    static const std::vector<std::string> kNames = {"Abc", "aBC", "x", "\xC9t\xE9", "\xE9T\xC9", "new one", "7f00a1b2"};
    return kNames[static_cast<std::size_t>(Pick(0, static_cast<int>(kNames.size()) - 1))];
  }
  std::string Key() {
    static const std::vector<std::string> kKeys = {"artist", "Artist", "title", "0", "1", "k", "\xC0k", ""};
    return kKeys[static_cast<std::size_t>(Pick(0, static_cast<int>(kKeys.size()) - 1))];
  }
  std::string Value() {
    // A leading blank survives reading, a trailing one would not.
    std::string value = Pick(0, 4) == 0 ? " " : "";
    const int length = Pick(value.empty() ? 0 : 1, 8);
    for (int i = 0; i < length; ++i) value += "aZ=;[]#\x80\xC9\xFF"[Pick(0, 9)];
    return value;
  }
  std::string Blanks() { return std::string(static_cast<std::size_t>(Pick(0, 1)), Pick(0, 1) ? ' ' : '\t'); }
  std::string Line() {
    switch (Pick(0, 7)) {
      case 0: return Blanks() + "[" + Section() + (Pick(0, 4) ? "]" : "~") + Blanks();
      case 1: return "; " + Value();
      case 2: return Blanks();
      case 3: return "junk" + Value();
      case 4: return Key() + " = " + Value();
      default: return Blanks() + Key() + "=" + Value() + Blanks();
    }
  }

  std::mt19937 rng_;
};

}  // namespace lumo::test
