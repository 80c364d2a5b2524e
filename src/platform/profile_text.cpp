#include "platform/profile_text.h"

#include <vector>

#include "platform/ini_syntax.h"
#include "platform/text_fold.h"

namespace lumo::profile {
namespace {

using ini::LineKind;

constexpr std::size_t kMaxSplicesInPlace = 8;

// A replacement of the bytes [begin, end) of the file by `text`.
struct Splice {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string text;
};

bool HasLineBreakingByte(std::string_view text) noexcept {
  return text.find_first_of(std::string_view("\r\n\0\x1a", 4)) != std::string_view::npos;
}

bool IsValidKey(std::string_view key) noexcept {
  if (HasLineBreakingByte(key) || key.find('=') != std::string_view::npos) return false;
  // The line trim would take leading blanks; trailing ones sit before "=" and
  // stay part of the key. "=value" reads back as the empty key.
  return key.empty() || (!ini::IsBlank(key.front()) && key.front() != ';' && key.front() != '[');
}

bool IsValidValue(std::string_view value) noexcept {
  return !HasLineBreakingByte(value) && (value.empty() || !ini::IsBlank(value.back()));
}

// The start of the first line at or after the line start `from` that holds a
// "[", or npos: no line before it can be a header.
std::size_t NextLineWithBracket(std::string_view textPart, std::size_t from) noexcept {
  const std::size_t bracket = textPart.find('[', from);
  if (bracket == std::string_view::npos) return bracket;
  const std::size_t lf = textPart.rfind('\n', bracket);
  return lf == std::string_view::npos || lf < from ? from : lf + 1;
}

// Walks the lines of the text part that lie in an occurrence of `section`
// (its header lines included). Outside the section only headers matter, so
// the walk jumps over lines without "[" instead of parsing each one: this
// keeps a write into a large file cheap.
template <typename Visitor>
void ForEachLineOfSection(std::string_view textPart, std::string_view section, Visitor&& visit) {
  for (std::size_t from = NextLineWithBracket(textPart, 0); from < textPart.size();) {
    std::size_t resume = textPart.size();
    bool inSection = false;
    ini::ForEachLine(textPart.substr(from), [&](ini::RawLine raw) {
      raw.begin += from;
      raw.end += from;
      const ini::ParsedLine parsed = ini::ParseLine(raw.text);
      if (parsed.kind == LineKind::Header) inSection = EqualsFolded(parsed.name, section);
      if (inSection) visit(raw, parsed);
      if (!inSection) resume = raw.end;
      return inSection;
    });
    from = NextLineWithBracket(textPart, resume);
  }
}

// The line end new lines get: the file's first one, CRLF when it has none.
std::string_view LineEndOf(std::string_view textPart) noexcept {
  const std::size_t lf = textPart.find('\n');
  if (lf != std::string_view::npos && (lf == 0 || textPart[lf - 1] != '\r')) return "\n";
  return "\r\n";
}

bool EndsWithLineFeed(std::string_view textPart, std::size_t end) noexcept {
  return end > 0 && textPart[end - 1] == '\n';
}

std::string KeyLine(const Edit& edit, std::string_view lineEnd) {
  std::string line;
  line.reserve(edit.key.size() + edit.value.size() + 3);
  line.append(edit.key).append("=").append(edit.value).append(lineEnd);
  return line;
}

// New lines inserted at `at`: preceded by a line end when the text before
// them stops mid-line.
Splice Insertion(std::string_view textPart, std::size_t at, std::string lines) {
  std::string_view lineEnd = LineEndOf(textPart);
  if (at > 0 && !EndsWithLineFeed(textPart, at)) lines.insert(0, lineEnd);
  return {at, at, std::move(lines)};
}

std::vector<Splice> PlanSetKey(std::string_view textPart, const Edit& edit) {
  std::vector<Splice> splices;
  bool sectionSeen = false;
  std::size_t insertAt = 0;
  ForEachLineOfSection(textPart, edit.section, [&](const ini::RawLine& raw, const ini::ParsedLine& parsed) {
    sectionSeen = true;
    if (parsed.kind == LineKind::Key && EqualsFolded(parsed.name, edit.key)) {
      // Keep the line's indentation and key spelling; replace from "=" on.
      const auto nameEnd = static_cast<std::size_t>(parsed.name.data() + parsed.name.size() - raw.text.data());
      splices.push_back({raw.begin + nameEnd, raw.begin + raw.text.size(), "=" + edit.value});
    }
    if (parsed.kind != LineKind::Blank && parsed.kind != LineKind::Comment) insertAt = raw.end;
  });
  if (!splices.empty()) return splices;
  const std::string_view lineEnd = LineEndOf(textPart);
  if (sectionSeen) {
    splices.push_back(Insertion(textPart, insertAt, KeyLine(edit, lineEnd)));
  } else {
    std::string lines = "[" + edit.section + "]";
    lines.append(lineEnd).append(KeyLine(edit, lineEnd));
    splices.push_back(Insertion(textPart, textPart.size(), std::move(lines)));
  }
  return splices;
}

std::vector<Splice> PlanRemoveSection(std::string_view textPart, const Edit& edit) {
  std::vector<Splice> splices;
  ForEachLineOfSection(textPart, edit.section, [&](const ini::RawLine& raw, const ini::ParsedLine&) {
    if (!splices.empty() && splices.back().end == raw.begin) {
      splices.back().end = raw.end;
    } else {
      splices.push_back({raw.begin, raw.end, {}});
    }
  });
  return splices;
}

// Builds the new bytes by copying the unchanged spans between the splices
// in bulk; for the many splices of a much repeated key.
void CopyWithSplices(const std::vector<Splice>& splices, std::string& file) {
  std::size_t grown = 0;
  for (const Splice& splice : splices) grown += splice.text.size();
  std::string result;
  result.reserve(file.size() + grown);
  std::size_t copied = 0;
  for (const Splice& splice : splices) {
    result.append(file, copied, splice.begin - copied).append(splice.text);
    copied = splice.end;
  }
  result.append(file, copied);
  file.swap(result);
}

// Applies the splices (in file order, not overlapping). A few are made in
// place from the last to the first, so that a large file is neither copied
// nor reallocated for one changed line. Returns whether any byte changed.
bool ApplySplices(std::vector<Splice> splices, std::string& file) {
  std::erase_if(splices, [&](const Splice& splice) {
    return file.compare(splice.begin, splice.end - splice.begin, splice.text) == 0;
  });
  if (splices.size() > kMaxSplicesInPlace) {
    CopyWithSplices(splices, file);
  } else {
    for (auto it = splices.rbegin(); it != splices.rend(); ++it) file.replace(it->begin, it->end - it->begin, it->text);
  }
  return !splices.empty();
}

}  // namespace

bool CanWriteFaithfully(const Edit& edit) noexcept {
  if (edit.section.empty() || HasLineBreakingByte(edit.section)) return false;
  if (edit.kind == Edit::Kind::RemoveSection) return true;
  return IsValidKey(edit.key) && IsValidValue(edit.value);
}

std::optional<std::string_view> FindValue(std::string_view file, std::string_view section,
                                          std::string_view key) {
  std::optional<std::string_view> found;
  ForEachLineOfSection(ini::TextPart(file), section, [&](const ini::RawLine&, const ini::ParsedLine& parsed) {
    if (parsed.kind == LineKind::Key && EqualsFolded(parsed.name, key)) found = parsed.value;
  });
  return found;
}

bool ApplyEdit(const Edit& edit, std::string& file) {
  const std::string_view textPart = ini::TextPart(file);
  std::vector<Splice> splices = edit.kind == Edit::Kind::SetKey ? PlanSetKey(textPart, edit)
                                                                : PlanRemoveSection(textPart, edit);
  return ApplySplices(std::move(splices), file);
}

}  // namespace lumo::profile
