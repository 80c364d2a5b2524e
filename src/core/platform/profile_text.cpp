#include "core/platform/profile_text.h"

#include <algorithm>
#include <unordered_map>
#include <vector>

#include "core/platform/ini_number.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/key_runs.h"
#include "core/platform/text_fold.h"

namespace lumo::profile {
namespace {

using ini::LineKind;

// What the platform's call returns through a 1024-byte buffer.
constexpr std::size_t kMaxStringResult = 1023;

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

// A file's text part as a row of pieces: the occurrences of the sections a
// batch edits and the stretches between them. Each edit works on the few
// pieces of its section; a piece it changes gets its new text at the end of
// one growing buffer, the others stay views of the original. The file is put
// together once at the end, so a batch costs one pass over the text however
// many edits it holds, and about one copy of what it changes.
//
// Every piece is made of whole lines, except that the last non-empty one may
// lack its line end; so a line never spans two pieces.
class SectionEditor {
 public:
  SectionEditor(std::string_view textPart, const EditBatch& edits) : text_(textPart) {
    for (std::size_t i = 0; i < edits.size(); ++i) {
      // A batch names the same section many times in a row.
      if (i == 0 || edits[i].section != edits[i - 1].section) blocks_.try_emplace(FoldCase(edits[i].section));
    }
    std::size_t gapStart = 0;
    std::size_t openStart = 0;
    std::vector<std::size_t>* open = nullptr;  // the occurrence being read, if edited
    std::string folded;
    ForEachHeader(textPart, [&](std::size_t begin, std::string_view name) {
      if (open != nullptr) {
        AddBlock(*open, openStart, begin);
        gapStart = begin;
      }
      folded.assign(name);
      FoldCaseInPlace(folded);
      const auto found = blocks_.find(folded);
      open = found == blocks_.end() ? nullptr : &found->second;
      if (open == nullptr) return;
      AddGap(gapStart, begin);
      openStart = begin;
    });
    if (open != nullptr) {
      AddBlock(*open, openStart, textPart.size());
    } else {
      AddGap(gapStart, textPart.size());
    }
    // Room for every occurrence changed once, names grown a little: the
    // buffer then seldom moves, and room never written costs no memory.
    std::size_t edited = 0;
    for (const auto& [name, blocks] : blocks_) {
      for (std::size_t index : blocks) edited += pieces_[index].size;
    }
    changed_.reserve(edited + edited / 4);
  }

  // Applies the edits [begin, end) as ApplyEdit would, one after the other,
  // to the text as it now stands; returns whether any of them changed a byte
  // at its turn. The edits are one RemoveSection, or a run (RunEnd).
  bool Apply(const EditBatch& edits, std::size_t begin, std::size_t end) {
    const EditRef first = edits[begin];
    std::vector<std::size_t>& blocks = blocks_[FoldCase(first.section)];  // live occurrences only
    if (first.kind == Edit::Kind::RemoveSection) {
      for (std::size_t index : blocks) pieces_[index].size = 0;
      const bool changed = !blocks.empty();
      blocks.clear();
      return changed;
    }
    if (!blocks.empty() && EndsLastLine(blocks)) return SetKeys(edits, begin, end, blocks);
    if (!blocks.empty()) {
      // A line end added after a last line that ends in CR makes the CR part
      // of it: the edits' order matters, so they are made one at a time.
      bool changed = false;
      for (std::size_t i = begin; i < end; ++i) changed = SetKeys(edits, i, i + 1, blocks) || changed;
      return changed;
    }
    AddSection(first, blocks);
    if (begin + 1 < end) SetKeys(edits, begin + 1, end, blocks);
    return true;
  }

  // The whole text with every edit made, followed by `rest`.
  std::string Result(std::string_view rest) const {
    std::size_t size = rest.size();
    for (const Piece& piece : pieces_) size += piece.size;
    std::string result;
    result.reserve(size);
    for (const Piece& piece : pieces_) result.append(View(piece));
    result.append(rest);
    return result;
  }

 private:
  struct Piece {
    std::size_t begin = 0;  // in the original text, or in changed_
    std::size_t size = 0;
    bool changed = false;
  };

  std::string_view View(const Piece& piece) const {
    return (piece.changed ? std::string_view(changed_) : text_).substr(piece.begin, piece.size);
  }
  // Gives the piece the text in scratch_.
  void TakeScratch(Piece& piece) {
    piece = Piece{changed_.size(), scratch_.size(), true};
    changed_.append(scratch_);
  }

  void AddGap(std::size_t begin, std::size_t end) {
    if (end > begin) pieces_.push_back(Piece{begin, end - begin, false});
  }
  void AddBlock(std::vector<std::size_t>& blocks, std::size_t begin, std::size_t end) {
    blocks.push_back(pieces_.size());
    pieces_.push_back(Piece{begin, end - begin, false});
  }

  bool EndsLastLine(const std::vector<std::size_t>& blocks) const {
    const std::string_view last = View(pieces_[blocks.back()]);
    return !last.empty() && last.back() == '\n';
  }

  // A missing section, appended with the edit's key.
  void AddSection(const EditRef& edit, std::vector<std::size_t>& blocks) {
    const std::string_view lineEnd = LineEnd();
    EndLastLine(lineEnd);
    blocks.push_back(pieces_.size());
    scratch_.assign("[").append(edit.section).append("]").append(lineEnd);
    scratch_.append(KeyLine(edit.key, edit.value, lineEnd));
    TakeScratch(pieces_.emplace_back());
  }

  // A run of SetKey edits of a section that is there. Keys met nowhere go,
  // in the order of their first edits, after the last line of the last
  // occurrence that is neither blank nor a comment.
  bool SetKeys(const EditBatch& edits, std::size_t begin, std::size_t end, const std::vector<std::size_t>& blocks) {
    std::vector<RunKey> keys;
    AddRunKeys(edits, begin, end, keys);
    std::size_t insertAt = 0;
    for (std::size_t index : blocks) {
      const Rewritten rewritten = RewriteBlock(View(pieces_[index]), keys, scratch_);
      if (rewritten.changed) TakeScratch(pieces_[index]);
      insertAt = rewritten.insertAt;
    }
    const std::string_view lineEnd = LineEnd();
    std::string added = MissingKeyLines(keys, lineEnd);
    if (!added.empty()) {
      Piece& lastPiece = pieces_[blocks.back()];
      const std::string_view last = View(lastPiece);
      if (insertAt > 0 && last[insertAt - 1] != '\n') added.insert(0, lineEnd);
      scratch_.assign(last.substr(0, insertAt)).append(added).append(last.substr(insertAt));
      TakeScratch(lastPiece);
    }
    return AnyChanged(keys);
  }

  // The line end new lines get: that of the text's first line, CRLF when it
  // has none.
  std::string_view LineEnd() const {
    char before = '\0';
    for (const Piece& piece : pieces_) {
      const std::string_view view = View(piece);
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
      const std::string_view view = View(*it);
      if (view.empty()) continue;
      if (view.back() == '\n') return;
      scratch_.assign(view).append(lineEnd);
      TakeScratch(*it);
      return;
    }
  }

  std::string_view text_;  // the original text part
  std::vector<Piece> pieces_;
  std::string changed_;  // the texts of the pieces edits changed, one after the other
  std::string scratch_;  // where a piece's new text is made
  std::unordered_map<std::string, std::vector<std::size_t>> blocks_;  // folded section -> its occurrences
};

// The common batch made in one pass in file order: SetKey edits only, of
// sections the text holds, in a text whose every line ends. Nothing else
// then moves a line of a section, and the line end of new keys stays that of
// the first line, so the edits of one section can be made together wherever
// they stand in the batch, and each occurrence's new text goes straight to
// its place in the result: no piece is kept aside.
class ValuePass {
 public:
  // False when the batch or the text is not of that kind.
  bool Plan(std::string_view textPart, const EditBatch& edits) {
    if (textPart.empty() || textPart.back() != '\n') return false;
    text_ = textPart;
    edits_ = &edits;
    for (std::size_t begin = 0, end = 0; begin < edits.size(); begin = end) {
      if (edits[begin].kind != Edit::Kind::SetKey) return false;
      end = RunEnd(edits, begin);
      sections_[FoldCase(edits[begin].section)].runs.emplace_back(begin, end);
    }
    Section* open = nullptr;
    std::size_t openStart = 0;
    std::string folded;
    ForEachHeader(textPart, [&](std::size_t begin, std::string_view name) {
      if (open != nullptr) occurrences_.push_back({openStart, begin, open});
      folded.assign(name);
      FoldCaseInPlace(folded);
      const auto found = sections_.find(folded);
      open = found == sections_.end() ? nullptr : &found->second;
      if (open != nullptr) ++open->occurrences;
      openStart = begin;
    });
    if (open != nullptr) occurrences_.push_back({openStart, textPart.size(), open});
    return std::all_of(sections_.begin(), sections_.end(), [](const auto& entry) { return entry.second.occurrences > 0; });
  }

  // The whole text with every edit made, followed by `rest`; nothing when no
  // edit changed a byte.
  std::optional<std::string> Result(std::string_view rest) {
    const std::size_t lf = text_.find('\n');
    const std::string_view lineEnd = lf > 0 && text_[lf - 1] == '\r' ? "\r\n" : "\n";
    std::string result;
    result.reserve(text_.size() + text_.size() / 8 + rest.size());
    std::string scratch;
    bool changed = false;
    std::size_t copied = 0;
    for (const Occurrence& at : occurrences_) {
      Section& section = *at.section;
      if (section.seen++ == 0) {
        for (const auto& run : section.runs) AddRunKeys(*edits_, run.first, run.second, section.keys);
      }
      result.append(text_.substr(copied, at.begin - copied));
      const std::string_view block = text_.substr(at.begin, at.end - at.begin);
      const Rewritten rewritten = RewriteBlock(block, section.keys, scratch);
      const std::string_view made = rewritten.changed ? std::string_view(scratch) : block;
      if (section.seen < section.occurrences) {
        result.append(made);
      } else {
        // Every line ends, so missing keys start on a line of their own.
        const std::string added = MissingKeyLines(section.keys, lineEnd);
        result.append(made.substr(0, rewritten.insertAt)).append(added).append(made.substr(rewritten.insertAt));
        changed = AnyChanged(section.keys) || changed;
        std::vector<RunKey>().swap(section.keys);
      }
      copied = at.end;
    }
    if (!changed) return std::nullopt;
    return result.append(text_.substr(copied)).append(rest);
  }

 private:
  struct Section {
    std::vector<std::pair<std::size_t, std::size_t>> runs;  // its edits [first, second), in batch order
    std::size_t occurrences = 0;
    std::size_t seen = 0;
    std::vector<RunKey> keys;  // while its occurrences are being made
  };
  struct Occurrence {
    std::size_t begin = 0;
    std::size_t end = 0;
    Section* section = nullptr;
  };

  std::string_view text_;
  const EditBatch* edits_ = nullptr;
  std::unordered_map<std::string, Section> sections_;  // by folded name
  std::vector<Occurrence> occurrences_;                 // of the edited sections, in file order
};

}  // namespace

// A plain loop: find_first_of looks each byte up in the set of four, and
// every name of a large batch passes here.
bool HasLineBreakingByte(std::string_view text) noexcept {
  return std::any_of(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n' || c == '\0' || c == ini::kCtrlZ; });
}

bool CanWriteFaithfully(const Edit& edit) noexcept {
  return CanWriteFaithfully(EditRef{edit.kind, edit.section, edit.key, edit.value});
}

bool CanWriteFaithfully(const EditRef& edit) noexcept {
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
  std::optional<std::string> edited = EditedText(EditBatch(edits), file);
  if (edited) file = std::move(*edited);
  return edited.has_value();
}

std::optional<std::string> EditedText(const EditBatch& edits, std::string_view file) {
  if (edits.empty()) return std::nullopt;
  const std::string_view textPart = ini::TextPart(file);
  if (ValuePass pass; pass.Plan(textPart, edits)) return pass.Result(file.substr(textPart.size()));
  SectionEditor editor(textPart, edits);
  bool changed = false;
  for (std::size_t begin = 0, end = 0; begin < edits.size(); begin = end) {
    end = RunEnd(edits, begin);
    changed = editor.Apply(edits, begin, end) || changed;
  }
  if (!changed) return std::nullopt;
  return editor.Result(file.substr(textPart.size()));
}

}  // namespace lumo::profile
