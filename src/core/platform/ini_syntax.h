#pragma once

#include <cstddef>
#include <string_view>

// The line syntax of INI files, shared by the document loader and the
// profile functions so that both always read a file the same way.
//
// A file is read in text mode: a Ctrl-Z byte ends it, lines end at LF, and a
// CR right before the LF is not part of the line. Each line is then trimmed
// of blanks (space, tab, CR, LF, VT, FF) at both ends and is one of:
//   blank    - nothing left after trimming
//   comment  - starts with ';'
//   header   - starts with '['; the name runs from the second character up to
//              but not including the last one, whatever that is ("[abc" -> "ab")
//   key      - contains '='; key before the first '=', value after it, neither
//              trimmed any further
//   junk     - anything else; readers skip it
namespace lumo::ini {

constexpr char kCtrlZ = 26;

bool IsBlank(char c) noexcept;

std::string_view Trim(std::string_view text) noexcept;

// The text without the blanks at its end, which a line's reader drops: what
// a value written as `text` reads back as.
std::string_view TrimEnd(std::string_view text) noexcept;

enum class LineKind { Blank, Comment, Header, Key, Junk };

struct ParsedLine {
  LineKind kind = LineKind::Blank;
  std::string_view name;   // header: section name as written; key: key as written
  std::string_view value;  // key: value as written
};

// Classifies one line (without its line end). The views point into `line`.
ParsedLine ParseLine(std::string_view line) noexcept;

// The part of a file's bytes that text mode reads: everything before the first
// Ctrl-Z.
std::string_view TextPart(std::string_view file) noexcept;

// One line of a text-mode file: `text` excludes the LF and a CR right before
// it; [begin, end) are the offsets of the whole line in the file including its
// line end, so that untouched lines can be copied byte for byte.
struct RawLine {
  std::string_view text;
  std::size_t begin = 0;
  std::size_t end = 0;
};

// Walks the lines of `textPart` (see TextPart). A final line without LF is a
// line; nothing follows a final LF. Stops early when `visit` returns false.
template <typename Visitor>
void ForEachLine(std::string_view textPart, Visitor&& visit) {
  std::size_t begin = 0;
  while (begin < textPart.size()) {
    std::size_t lf = textPart.find('\n', begin);
    std::size_t stop = lf == std::string_view::npos ? textPart.size() : lf;
    std::size_t next = lf == std::string_view::npos ? textPart.size() : lf + 1;
    std::size_t textEnd = stop;
    if (lf != std::string_view::npos && textEnd > begin && textPart[textEnd - 1] == '\r') --textEnd;
    RawLine raw{textPart.substr(begin, textEnd - begin), begin, next};
    if (!visit(raw)) return;
    begin = next;
  }
}

}  // namespace lumo::ini
