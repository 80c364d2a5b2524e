#include "core/collection/name_replace.h"

#include <string>

#include "core/catalogue/album_section.h"
#include "core/ini/ini_document.h"
#include "core/platform/code_page.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/profile_text.h"
#include "core/platform/text_fold.h"

namespace lumo {

NameReplacer::NameReplacer(const ReplaceRequest& request)
    : piece_(request.matchCase ? request.find : FoldCase(request.find)),
      with_(request.with),
      matchCase_(request.matchCase),
      page_(CollectionCodePage()) {
  if (page_.IsWindows1252()) return;
  pieceText_ = Folded(page_.Decode(request.find));
  withText_ = page_.Decode(request.with);
}

std::u32string NameReplacer::Folded(std::u32string text) const {
  if (!matchCase_) {
    for (char32_t& c : text) c = CodePage::Fold(c);
  }
  return text;
}

std::optional<std::string> NameReplacer::Apply(std::string_view name) {
  skipped_ = false;
  if (!page_.IsWindows1252()) return ApplyDecoded(name);
  if (piece_.empty() || piece_.size() > name.size()) return std::nullopt;
  std::string_view haystack = name;
  if (!matchCase_) {
    // Folding keeps every byte in its place, so positions carry over.
    folded_.assign(name);
    FoldCaseInPlace(folded_);
    haystack = folded_;
  }
  std::size_t found = haystack.find(piece_);
  if (found == std::string_view::npos) return std::nullopt;
  std::string result;
  result.reserve(name.size() + with_.size());
  std::size_t done = 0;
  for (; found != std::string_view::npos; found = haystack.find(piece_, done)) {
    result.append(name.substr(done, found - done)).append(with_);
    done = found + piece_.size();
  }
  return result.append(name.substr(done));
}

// Other code pages: matched on the decoded text, so that the second byte of
// a double-byte character is never taken for a letter of its own. Simple
// case folding maps one character to one, so positions carry over.
std::optional<std::string> NameReplacer::ApplyDecoded(std::string_view name) {
  if (pieceText_.empty()) return std::nullopt;
  bool readable = true;
  const std::u32string text = page_.Decode(name, &readable);
  const std::u32string haystack = Folded(text);
  std::size_t found = haystack.find(pieceText_);
  if (found == std::u32string::npos) return std::nullopt;
  if (!readable) {  // its bytes could not be written back as they are
    skipped_ = true;
    return std::nullopt;
  }
  std::u32string result;
  std::size_t done = 0;
  for (; found != std::u32string::npos; found = haystack.find(pieceText_, done)) {
    result.append(text, done, found - done).append(withText_);
    done = found + pieceText_.size();
  }
  return page_.Encode(result.append(text, done));
}

namespace {

enum class NameKind { Artist, Title, Track };

// Gathers the edits of one document, stopping at the first refusal.
class Planner {
 public:
  explicit Planner(const ReplaceRequest& request) : request_(request), replacer_(request) {}

  void Section(const IniSection& section) {
    album_.Read(section);
    if (!album_.IsAlbum()) return;
    if (request_.artists) Name(section, NameKind::Artist, "artist", *album_.Artist());
    if (request_.albums && album_.HasTitle() && album_.Title() != kUnknownName) {
      Name(section, NameKind::Title, "title", album_.Title());
    }
    if (!request_.tracks) return;
    const int shown = album_.TracksToShow();
    for (const NamedTrack& track : album_.Named()) {
      if (track.first >= shown) break;
      Name(section, NameKind::Track, std::to_string(track.first), track.second);
    }
  }

  ReplacePlan Take() { return std::move(plan_); }

 private:
  // Adds the edit that gives `name` its new text, if it has one and may.
  void Name(const IniSection& section, NameKind kind, std::string key, std::string_view name) {
    if (plan_.refusal != ReplaceRefusal::None) return;
    std::optional<std::string> changed = replacer_.Apply(name);
    if (replacer_.Skipped()) ++plan_.skipped;
    if (!changed) return;
    ++plan_.found;
    changed->resize(ini::TrimEnd(*changed).size());
    if (*changed == name) return;
    const ReplaceRefusal refusal = Check(kind, name, *changed);
    if (refusal != ReplaceRefusal::None) {
      plan_ = {{}, plan_.found, refusal, std::string(name)};
      return;
    }
    plan_.edits.Set(section.Name(), key, *changed);
  }

  static ReplaceRefusal Check(NameKind kind, std::string_view before, const std::string& after) {
    if (profile::HasLineBreakingByte(after)) return ReplaceRefusal::LineBreak;
    if (kind == NameKind::Artist && after == kUnknownName) return ReplaceRefusal::HiddenArtist;
    if (kind == NameKind::Title && after.empty()) return ReplaceRefusal::EmptyTitle;
    if (after.size() > kMaxReplacedNameBytes && after.size() > before.size()) return ReplaceRefusal::TooLong;
    return ReplaceRefusal::None;
  }

  const ReplaceRequest& request_;
  NameReplacer replacer_;
  AlbumSection album_;  // reused for every section
  ReplacePlan plan_;
};

}  // namespace

ReplacePlan PlanReplace(const IniDocument& document, const ReplaceRequest& request) {
  Planner planner(request);
  document.ForEachSection([&](const IniSection& section) { planner.Section(section); });
  return planner.Take();
}

}  // namespace lumo
