#include "core/catalogue/collection_index.h"

#include <algorithm>
#include <tuple>

#include "core/catalogue/album_section.h"
#include "core/catalogue/catalogue_texts.h"
#include "core/catalogue/tree_item.h"
#include "core/ini/ini_section.h"

namespace lumo {
namespace {

// Where the literal title of an album without one stands.
constexpr uint32_t kUnknownTitle = UINT32_MAX;

}  // namespace

CollectionIndex::CollectionIndex(const IniDocument& document)
    : document_(document), loaded_(document.LoadedBytes()) {
  for (IniDocument::Position at = document.FirstSection(); at; at = document.After(at)) {
    Add(at, *document.SectionAt(at));
  }
  SortAndLeaveOutDuplicates();
}

void CollectionIndex::Add(IniDocument::Position at, const IniSection& section) {
  AlbumSection album;
  album.Read(section);
  if (!album.IsAlbum()) return;
  const Text title = album.HasTitle() ? Keep(album.Title()) : Text{kUnknownTitle, 0};
  albums_.push_back({Keep(*album.Artist()), title, at, static_cast<uint32_t>(albums_.size())});
}

// The tree's order: artists by label, each artist's albums by label, equal
// labels in the order they came. Labels compare equal only when their bytes
// are, so duplicates end up side by side, the first of each in front.
void CollectionIndex::SortAndLeaveOutDuplicates() {
  std::sort(albums_.begin(), albums_.end(), [this](const Album& a, const Album& b) {
    const int artist = CompareTreeLabels(View(a.artist), View(b.artist));
    if (artist != 0) return artist < 0;
    const int title = CompareTreeLabels(View(a.title), View(b.title));
    return title != 0 ? title < 0 : a.order < b.order;
  });
  std::size_t kept = 0;
  for (std::size_t i = 0; i < albums_.size(); ++i) {
    const Album& album = albums_[i];
    const bool newArtist = kept == 0 || View(albums_[kept - 1].artist) != View(album.artist);
    if (!newArtist && View(albums_[kept - 1].title) == View(album.title)) {
      ++duplicatesLeftOut_;
      continue;
    }
    counts_.artists += newArtist ? 1 : 0;
    albums_[kept++] = album;
  }
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

void CollectionIndex::Walk(CollectionVisitor& visitor) const {
  AlbumSection album;  // reused, so that its list of names is allocated once
  for (std::size_t i = 0; i < albums_.size(); ++i) {
    const Album& entry = albums_[i];
    if (i == 0 || View(albums_[i - 1].artist) != View(entry.artist)) visitor.Artist(View(entry.artist));
    album.Read(*document_.SectionAt(entry.section));
    visitor.Album(View(entry.title), album.TracksToShow());
    album.ForEachTrack([&visitor](int row, std::string_view name) { visitor.Track(TrackNumber(row), name); });
  }
}

}  // namespace lumo
