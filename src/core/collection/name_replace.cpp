#include "core/collection/name_replace.h"

#include <string>

#include "core/catalogue/catalogue_build.h"
#include "core/collection/album_names.h"
#include "core/ini/ini_document.h"
#include "core/platform/ini_syntax.h"
#include "core/platform/profile_text.h"
#include "core/platform/text_fold.h"

namespace lumo {

NameReplacer::NameReplacer(const ReplaceRequest& request)
    : piece_(request.matchCase ? request.find : FoldCase(request.find)),
      with_(request.with),
      matchCase_(request.matchCase) {}

std::optional<std::string> NameReplacer::Apply(std::string_view name) {
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

namespace {

enum class NameKind { Artist, Title, Track };

// Gathers the edits of one document, stopping at the first refusal.
class Planner {
 public:
  explicit Planner(const ReplaceRequest& request) : request_(request), replacer_(request) {}

  void Section(const IniSection& section) {
    names_.Read(section);
    if (!names_.IsAlbum()) return;
    if (request_.artists) Name(section, NameKind::Artist, "artist", *names_.artist);
    if (request_.albums && names_.title && *names_.title != kMissingName) {
      Name(section, NameKind::Title, "title", *names_.title);
    }
    if (!request_.tracks) return;
    // How many tracks the tree shows takes another pass over the section:
    // it is worked out only for a section with a track name to change.
    std::optional<std::size_t> shown;
    for (std::size_t i = 0; i < names_.tracks.size(); ++i) {
      if (!names_.tracks[i]) continue;
      std::optional<std::string> changed = replacer_.Apply(*names_.tracks[i]);
      if (!changed) continue;
      if (!shown) shown = static_cast<std::size_t>(TracksToShow(section));
      if (i >= *shown) break;
      Take(section, NameKind::Track, std::to_string(i), *names_.tracks[i], std::move(changed));
    }
  }

  ReplacePlan Take() { return std::move(plan_); }

 private:
  void Name(const IniSection& section, NameKind kind, std::string key, std::string_view name) {
    Take(section, kind, std::move(key), name, replacer_.Apply(name));
  }

  // Adds the edit that gives `name` its new text, if it has one and may.
  void Take(const IniSection& section, NameKind kind, std::string key, std::string_view name,
            std::optional<std::string> changed) {
    if (plan_.refusal != ReplaceRefusal::None || !changed) return;
    ++plan_.found;
    changed->resize(ini::TrimEnd(*changed).size());
    if (*changed == name) return;
    const ReplaceRefusal refusal = Check(kind, name, *changed);
    if (refusal != ReplaceRefusal::None) {
      plan_ = {{}, plan_.found, refusal, std::string(name)};
      return;
    }
    plan_.edits.push_back(profile::Edit::Set(section.GetName(), std::move(key), std::move(*changed)));
  }

  static ReplaceRefusal Check(NameKind kind, std::string_view before, const std::string& after) {
    if (profile::HasLineBreakingByte(after)) return ReplaceRefusal::LineBreak;
    if (kind == NameKind::Artist && after == kMissingName) return ReplaceRefusal::HiddenArtist;
    if (kind == NameKind::Title && after.empty()) return ReplaceRefusal::EmptyTitle;
    if (after.size() > kMaxReplacedNameBytes && after.size() > before.size()) return ReplaceRefusal::TooLong;
    return ReplaceRefusal::None;
  }

  const ReplaceRequest& request_;
  NameReplacer replacer_;
  AlbumNames names_;
  ReplacePlan plan_;
};

}  // namespace

ReplacePlan PlanReplace(const IniDocument& document, const ReplaceRequest& request) {
  Planner planner(request);
  document.ForEachSection([&](const IniSection& section) { planner.Section(section); });
  return planner.Take();
}

}  // namespace lumo
