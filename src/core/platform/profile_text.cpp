#include "core/platform/profile_text.h"

#include <unordered_map>
#include <vector>

#include "core/platform/ini_number.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/text_fold.h"

namespace lumo::profile {
namespace {

using ini::LineKind;

constexpr std::size_t kMaxSplicesInPlace = 8;

// What the platform's call returns through a 1024-byte buffer.
constexpr std::size_t kMaxStringResult = 1023;

// A replacement of the bytes [begin, end) of the file by `text`.
struct Splice {
  std::size_t begin = 0;
  std::size_t end = 0;
  std::string text;
};

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

// Calls visit(begin, name) for every header line of the text part, in file
// order: `begin` is the line's offset, `name` the section name as written.
// Only lines holding a "[" are looked at.
template <typename Visitor>
void ForEachHeader(std::string_view textPart, Visitor&& visit) {
  for (std::size_t from = NextLineWithBracket(textPart, 0); from < textPart.size();) {
    const std::size_t lf = textPart.find('\n', from);
    const std::size_t stop = lf == std::string_view::npos ? textPart.size() : lf;
    const ini::ParsedLine parsed = ini::ParseLine(textPart.substr(from, stop - from));
    if (parsed.kind == LineKind::Header) visit(from, parsed.name);
    from = stop == textPart.size() ? stop : NextLineWithBracket(textPart, stop + 1);
  }
}

// Walks the lines of the text part that lie in an occurrence of `section`
// (its header lines included), in file order.
template <typename Visitor>
void ForEachLineOfSection(std::string_view textPart, std::string_view section, Visitor&& visit) {
  auto walk = [&](std::size_t begin, std::size_t end) {
    ini::ForEachLine(textPart.substr(begin, end - begin), [&](ini::RawLine raw) {
      raw.begin += begin;
      raw.end += begin;
      visit(raw, ini::ParseLine(raw.text));
      return true;
    });
  };
  std::size_t open = std::string_view::npos;
  ForEachHeader(textPart, [&](std::size_t begin, std::string_view name) {
    if (open != std::string_view::npos) walk(open, begin);
    open = EqualsFolded(name, section) ? begin : std::string_view::npos;
  });
  if (open != std::string_view::npos) walk(open, textPart.size());
}

std::string KeyLine(const Edit& edit, std::string_view lineEnd) {
  std::string line;
  line.reserve(edit.key.size() + edit.value.size() + 3);
  line.append(edit.key).append("=").append(edit.value).append(lineEnd);
  return line;
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

// Where a key stands in one occurrence of its section: the splices that give
// each of its lines the new value, and the end of the last line that is
// neither blank nor a comment (where a missing key goes).
struct KeyPlan {
  std::vector<Splice> splices;
  std::size_t insertAt = 0;
};

KeyPlan PlanKey(std::string_view block, const Edit& edit) {
  KeyPlan plan;
  ini::ForEachLine(block, [&](const ini::RawLine& raw) {
    const ini::ParsedLine parsed = ini::ParseLine(raw.text);
    if (parsed.kind == LineKind::Key && EqualsFolded(parsed.name, edit.key)) {
      // Keep the line's indentation and key spelling; replace from "=" on.
      const auto nameEnd = static_cast<std::size_t>(parsed.name.data() + parsed.name.size() - raw.text.data());
      plan.splices.push_back({raw.begin + nameEnd, raw.begin + raw.text.size(), "=" + edit.value});
    }
    if (parsed.kind != LineKind::Blank && parsed.kind != LineKind::Comment) plan.insertAt = raw.end;
    return true;
  });
  return plan;
}

// A file's text part as a row of pieces: the occurrences of the sections a
// batch edits, each held as its own small text, and the stretches between
// them, left as views of the original. Each edit then works on the few
// pieces of its section, and the file is put together once at the end, so a
// batch costs one pass over the text however many edits it holds.
//
// Every piece is made of whole lines, except that the last non-empty one may
// lack its line end; so a line never spans two pieces.
class SectionEditor {
 public:
  SectionEditor(std::string_view textPart, const std::vector<Edit>& edits) {
    for (const Edit& edit : edits) blocks_.try_emplace(FoldCase(edit.section));
    std::size_t gapStart = 0;
    std::size_t openStart = 0;
    std::vector<std::size_t>* open = nullptr;  // the occurrence being read, if edited
    std::string folded;
    ForEachHeader(textPart, [&](std::size_t begin, std::string_view name) {
      if (open != nullptr) {
        AddBlock(*open, textPart.substr(openStart, begin - openStart));
        gapStart = begin;
      }
      folded.assign(name);
      FoldCaseInPlace(folded);
      const auto found = blocks_.find(folded);
      open = found == blocks_.end() ? nullptr : &found->second;
      if (open == nullptr) return;
      AddGap(textPart.substr(gapStart, begin - gapStart));
      openStart = begin;
    });
    if (open != nullptr) {
      AddBlock(*open, textPart.substr(openStart));
    } else {
      AddGap(textPart.substr(gapStart));
    }
  }

  // Applies one edit as ApplyEdit would to the text as it now stands;
  // returns whether any byte changed.
  bool Apply(const Edit& edit) {
    std::vector<std::size_t>& blocks = blocks_[FoldCase(edit.section)];  // live occurrences only
    if (edit.kind == Edit::Kind::RemoveSection) {
      for (std::size_t index : blocks) pieces_[index] = Piece{{}, {}, true};
      const bool changed = !blocks.empty();
      blocks.clear();
      return changed;
    }
    return SetKey(edit, blocks);
  }

  // The whole text with every edit made, followed by `rest`.
  std::string Result(std::string_view rest) const {
    std::size_t size = rest.size();
    for (const Piece& piece : pieces_) size += piece.View().size();
    std::string result;
    result.reserve(size);
    for (const Piece& piece : pieces_) result.append(piece.View());
    result.append(rest);
    return result;
  }

 private:
  struct Piece {
    std::string_view original;  // an untouched stretch, unless owned
    std::string text;           // the piece's text when owned
    bool owned = false;
    std::string_view View() const { return owned ? std::string_view(text) : original; }
  };

  void AddGap(std::string_view gap) {
    if (!gap.empty()) pieces_.push_back(Piece{gap, {}, false});
  }
  void AddBlock(std::vector<std::size_t>& blocks, std::string_view block) {
    blocks.push_back(pieces_.size());
    pieces_.push_back(Piece{{}, std::string(block), true});
  }

  bool SetKey(const Edit& edit, std::vector<std::size_t>& blocks) {
    const std::string_view lineEnd = LineEnd();
    if (blocks.empty()) {
      EndLastLine(lineEnd);
      blocks.push_back(pieces_.size());
      pieces_.push_back(Piece{{}, "[" + edit.section + "]" + std::string(lineEnd) + KeyLine(edit, lineEnd), true});
      return true;
    }
    bool found = false;
    bool changed = false;
    KeyPlan plan;
    for (std::size_t index : blocks) {
      plan = PlanKey(pieces_[index].text, edit);
      found = found || !plan.splices.empty();
      changed = ApplySplices(std::move(plan.splices), pieces_[index].text) || changed;
    }
    if (found) return changed;
    // `plan` is that of the last occurrence, where a new key goes.
    std::string& last = pieces_[blocks.back()].text;
    std::string line = KeyLine(edit, lineEnd);
    if (plan.insertAt > 0 && last[plan.insertAt - 1] != '\n') line.insert(0, lineEnd);
    last.insert(plan.insertAt, line);
    return true;
  }

  // The line end new lines get: that of the text's first line, CRLF when it
  // has none.
  std::string_view LineEnd() const {
    char before = '\0';
    for (const Piece& piece : pieces_) {
      const std::string_view view = piece.View();
      const std::size_t lf = view.find('\n');
      if (lf != std::string_view::npos) return (lf > 0 ? view[lf - 1] : before) == '\r' ? "\r\n" : "\n";
      if (!view.empty()) before = view.back();
    }
    return "\r\n";
  }

  // Gives the text's last line its line end when it has none, so that what
  // is appended starts on a line of its own.
  void EndLastLine(std::string_view lineEnd) {
    for (auto it = pieces_.rbegin(); it != pieces_.rend(); ++it) {
      if (it->View().empty()) continue;
      if (it->View().back() == '\n') return;
      if (!it->owned) it->text.assign(it->original);
      it->owned = true;
      it->text.append(lineEnd);
      return;
    }
  }

  std::vector<Piece> pieces_;
  std::unordered_map<std::string, std::vector<std::size_t>> blocks_;  // folded section -> its occurrences
};

}  // namespace

bool HasLineBreakingByte(std::string_view text) noexcept {
  return text.find_first_of(std::string_view("\r\n\0\x1a", 4)) != std::string_view::npos;
}

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

std::optional<std::string> StringValue(std::string_view file, std::string_view section, std::string_view key) {
  const std::optional<std::string_view> value = FindValue(file, section, key);
  if (!value) return std::nullopt;
  return std::string(value->substr(0, kMaxStringResult));
}

int32_t IntValue(std::string_view file, std::string_view section, std::string_view key, int32_t defaultValue) {
  const std::optional<std::string> value = StringValue(file, section, key);
  return value ? ini::ReadDecimal(*value) : defaultValue;
}

bool ApplyEdit(const Edit& edit, std::string& file) { return ApplyEditsToText({edit}, file); }

bool ApplyEditsToText(const std::vector<Edit>& edits, std::string& file) {
  std::optional<std::string> edited = EditedText(edits, file);
  if (edited) file = std::move(*edited);
  return edited.has_value();
}

std::optional<std::string> EditedText(const std::vector<Edit>& edits, std::string_view file) {
  if (edits.empty()) return std::nullopt;
  const std::string_view textPart = ini::TextPart(file);
  SectionEditor editor(textPart, edits);
  bool changed = false;
  for (const Edit& edit : edits) changed = editor.Apply(edit) || changed;
  if (!changed) return std::nullopt;
  return editor.Result(file.substr(textPart.size()));
}

}  // namespace lumo::profile
