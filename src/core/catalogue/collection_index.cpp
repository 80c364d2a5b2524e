#include "core/catalogue/collection_index.h"

#include <algorithm>
#include <vector>

#include "core/catalogue/album_section.h"
#include "core/catalogue/catalogue_texts.h"
#include "core/catalogue/tree_item.h"
#include "core/ini/ini_section.h"

namespace lumo {
namespace {

// Where the literal title of an album without one stands.
constexpr uint32_t kUnknownTitle = UINT32_MAX;

}  // namespace

CollectionIndex::CollectionIndex(const IniDocument& document, const DuplicateQuestion& leaveOut,
                                 const std::function<void(int percent)>& progress, const LeftOutNote& leftOut)
    : document_(document), loaded_(document.LoadedBytes()) {
  const std::size_t total = std::max<std::size_t>(1, document.SectionCount());
  std::size_t done = 0;
  int reported = 0;
  for (IniDocument::Position at = document.FirstSection(); at; at = document.After(at)) {
    Add(at, *document.SectionAt(at));
    const int percent = static_cast<int>(++done * 100 / total);
    if (progress && percent > reported) progress(reported = percent);
  }
  Sort();
  LeaveOutDuplicates(leaveOut, leftOut);
}

void CollectionIndex::Add(IniDocument::Position at, const IniSection& section) {
  AlbumSection album;
  album.Read(section);
  if (!album.IsAlbum()) return;
  const Text title = album.HasTitle() ? Keep(album.Title()) : Text{kUnknownTitle, 0};
  albums_.push_back({Keep(*album.Artist()), title, at, static_cast<uint32_t>(albums_.size()),
                     static_cast<uint16_t>(album.TracksToShow())});
}

// The tree's order: artists by label, each artist's albums by label, equal
// labels in the order they came. Labels compare equal only when their bytes
// are, so duplicates end up side by side, the first of each in front.
void CollectionIndex::Sort() {
  // Most comparisons are settled by the labels' first characters, folded
  // once per album rather than at every comparison.
  std::vector<std::pair<uint64_t, uint64_t>> prefixes;  // artist, title; by order
  prefixes.reserve(albums_.size());
  for (const Album& album : albums_) {
    prefixes.emplace_back(TreeLabelPrefix({View(album.artist), {}}), TreeLabelPrefix({View(album.title), {}}));
  }
  std::sort(albums_.begin(), albums_.end(), [this, &prefixes](const Album& a, const Album& b) {
    const auto& [artistA, titleA] = prefixes[a.order];
    const auto& [artistB, titleB] = prefixes[b.order];
    if (artistA != artistB) return artistA < artistB;
    const int artist = CompareTreeLabels(View(a.artist), View(b.artist));
    if (artist != 0) return artist < 0;
    if (titleA != titleB) return titleA < titleB;
    const int title = CompareTreeLabels(View(a.title), View(b.title));
    return title != 0 ? title < 0 : a.order < b.order;
  });
}

bool CollectionIndex::SameAlbum(const Album& a, const Album& b) const {
  return View(a.artist) == View(b.artist) && View(a.title) == View(b.title);
}

// Questions come in enumeration order, as a build that met the albums one
// by one would ask them. Sorting put each duplicate right after the earlier
// albums it repeats.
void CollectionIndex::LeaveOutDuplicates(const DuplicateQuestion& leaveOut, const LeftOutNote& note) {
  std::vector<bool> out(albums_.size(), false);
  std::vector<uint32_t> later;  // duplicates of an earlier album, only to take in order
  for (std::size_t i = 1; i < albums_.size(); ++i) {
    if (!SameAlbum(albums_[i - 1], albums_[i])) continue;
    if (leaveOut || note) {
      later.push_back(static_cast<uint32_t>(i));
    } else {
      out[i] = true;
    }
  }
  std::sort(later.begin(), later.end(), [this](uint32_t a, uint32_t b) { return albums_[a].order < albums_[b].order; });
  for (const uint32_t i : later) {
    out[i] = !leaveOut || leaveOut(View(albums_[i].artist), View(albums_[i].title));
    if (!out[i] || !note) continue;
    std::size_t kept = i - 1;  // the first of the run that stays, earlier in enumeration
    while (out[kept]) --kept;
    note(albums_[kept].section, albums_[i].section);
  }
  std::size_t kept = 0;
  for (std::size_t i = 0; i < albums_.size(); ++i) {
    if (out[i]) continue;
    counts_.artists += kept == 0 || View(albums_[kept - 1].artist) != View(albums_[i].artist) ? 1 : 0;
    albums_[kept++] = albums_[i];
  }
  duplicatesLeftOut_ = static_cast<int64_t>(albums_.size() - kept);
  albums_.resize(kept);
  counts_.albums = static_cast<int64_t>(kept);
}

CollectionIndex::Text CollectionIndex::Keep(std::string_view text) {
  if (loaded_ && LiesWithin(text, *loaded_)) {
    return {static_cast<uint32_t>(text.data() - loaded_->data()), static_cast<uint32_t>(text.size())};
  }
  const std::size_t at = (loaded_ ? loaded_->size() : 0) + copies_.size();
  copies_.append(text);
  return {static_cast<uint32_t>(at), static_cast<uint32_t>(text.size())};
}

std::string_view CollectionIndex::View(Text text) const {
  if (text.at == kUnknownTitle) return kUnknownName;
  const std::size_t loadedSize = loaded_ ? loaded_->size() : 0;
  if (text.at < loadedSize) return std::string_view(*loaded_).substr(text.at, text.size);
  return std::string_view(copies_).substr(text.at - loadedSize, text.size);
}

void CollectionIndex::ForEachArtist(
    const std::function<void(std::string_view name, std::size_t first, int count, uint32_t tracks)>& visit) const {
  std::size_t first = 0;
  uint32_t tracks = 0;
  for (std::size_t i = 0; i < albums_.size(); ++i) {
    tracks += albums_[i].tracks;
    if (i + 1 < albums_.size() && View(albums_[i + 1].artist) == View(albums_[i].artist)) continue;
    visit(View(albums_[i].artist), first, static_cast<int>(i + 1 - first), tracks);
    first = i + 1;
    tracks = 0;
  }
}

namespace {

// A walk of what the sections hold, met as the tree shows it: "<UNKNOWN>"
// for a missing title, "?" for a track without a name, tracks numbered.
class ShownNames final : public RecordVisitor {
 public:
  explicit ShownNames(CollectionVisitor& shown) : shown_(shown) {}
  void Artist(std::string_view name) override { shown_.Artist(name); }
  void Album(std::string_view, std::optional<std::string_view> title, int trackCount) override {
    shown_.Album(title.value_or(kUnknownName), trackCount);
    row_ = 0;
  }
  void Track(std::optional<std::string_view> name) override {
    shown_.Track(TrackNumber(row_++), name.value_or(kUnnamedTrack));
  }

 private:
  CollectionVisitor& shown_;
  int row_ = 0;
};

}  // namespace

void CollectionIndex::Walk(CollectionVisitor& visitor) const {
  ShownNames shown(visitor);
  WalkRecords(shown);
}

void CollectionIndex::WalkRecords(RecordVisitor& visitor) const {
  AlbumSection album;
  ForEachArtist([&](std::string_view name, std::size_t first, int count, uint32_t) {
    visitor.Artist(name);
    for (std::size_t i = first; i < first + static_cast<std::size_t>(count); ++i) {
      const IniSection& section = *document_.SectionAt(albums_[i].section);
      album.Read(section);
      const std::optional<std::string_view> title = album.HasTitle() ? std::optional(album.Title()) : std::nullopt;
      visitor.Album(section.Name(), title, album.TracksToShow());
      auto named = album.Named().begin();
      for (int row = 0; row < album.TracksToShow(); ++row) {
        const bool hasName = named != album.Named().end() && named->first == row;
        visitor.Track(hasName ? std::optional((named++)->second) : std::nullopt);
      }
    }
  });
}

}  // namespace lumo
