#include "core/catalogue/catalogue_build.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/ini/ini_document.h"
#include "core/ini/bucket_map.h"
#include "core/catalogue/catalogue_texts.h"
#include "core/ini/ini_section.h"
#include "core/catalogue/album_section.h"
#include "core/catalogue/item_set.h"
#include "core/catalogue/track_maker.h"

namespace lumo {
namespace {


// Albums are duplicates when artist and title are both equal; the pair is
// kept apart so that "AB" + "C" never matches "A" + "BC". The texts are
// those the tree's items refer to, which outlive the build.
struct AlbumKey {
  std::string_view artist;
  std::string_view title;
  bool operator==(const AlbumKey&) const = default;
};

// An album item's key: its artist is its parent.
struct AlbumKeys {
  using Key = AlbumKey;
  static Key KeyOf(const TreeItem& album) { return {album.Parent()->Text(), album.Text()}; }
  static uint64_t Hash(const Key& key) { return IndexHash(key.artist) * 0x9E3779B97F4A7C15ULL ^ IndexHash(key.title); }
};

struct ArtistKeys {
  using Key = std::string_view;
  static Key KeyOf(const TreeItem& artist) { return artist.Text(); }
  static uint64_t Hash(const Key& key) { return IndexHash(key); }
};

// The state of one build: the texts, the two lookup maps and the counts.
class Builder {
 public:
  Builder(CatalogueTree& tree, const IniDocument& document)
      : tree_(tree),
        texts_(std::make_shared<CatalogueTexts>(document.LoadedBytes())),
        tracks_(std::make_shared<TrackMaker>(document.LoadedBytes())) {
    tree_.KeepTexts(texts_);
    tree_.KeepTexts(tracks_);
  }

  void AddSection(const IniSection& section) {
    album_.Read(section);
    if (!album_.IsAlbum()) return;
    TreeItem* artistItem = ArtistItem(*album_.Artist());
    const std::string_view title = album_.Title();
    const bool duplicate = albums_.Find({artistItem->Text(), title}) != nullptr;
    if (duplicate && tree_.LeaveOutDuplicate(artistItem->Text(), title)) return;
    ++counts_.albums;
    const std::string_view cdKey = texts_->Keep(section.Name());
    TreeItem* albumItem = tree_.AddLast(artistItem, {ItemKind::Album, KeepOrLiteral(title), cdKey, 0}, PendingTracks());
    albums_.Add(albumItem);
  }

  CatalogueCounts Counts() const { return counts_; }

 private:
  TreeItem* ArtistItem(std::string_view artist) {
    if (TreeItem* found = artists_.Find(artist)) return found;
    ++counts_.artists;
    TreeItem* item = tree_.AddArtist({ItemKind::Artist, texts_->Keep(artist), {}, 0});
    artists_.Add(item);
    return item;
  }

  // The album's tracks, to be made when first shown: read again from the
  // loaded file where they can be, else from a list of the named ones.
  PendingChildren PendingTracks() {
    const int count = album_.TracksToShow();
    if (count == 0) return {};
    if (const std::optional<uint64_t> token = tracks_->TokenFor(album_.Named())) return {tracks_.get(), count, *token};
    std::vector<NamedTrack>& kept = keptNames_;
    kept.clear();
    for (const auto& [number, name] : album_.Named()) {
      if (number < count) kept.emplace_back(number, texts_->Keep(name));
    }
    return {tracks_.get(), count, tracks_->Keep(kept)};
  }

  // The default texts are literals, which live as long as the program.
  std::string_view KeepOrLiteral(std::string_view text) { return text.data() == kUnknownName ? text : texts_->Keep(text); }

  CatalogueTree& tree_;
  std::shared_ptr<CatalogueTexts> texts_;
  std::shared_ptr<TrackMaker> tracks_;
  AlbumSection album_;  // reused for every section, so its vectors are allocated once
  std::vector<NamedTrack> keptNames_;
  CatalogueCounts counts_;
  ItemSet<ArtistKeys> artists_;
  ItemSet<AlbumKeys> albums_;
};

}  // namespace

CatalogueCounts BuildCatalogue(const IniDocument& document, CatalogueTree& tree,
                               const std::function<void(int percent)>& progress) {
  Builder builder(tree, document);
  const std::size_t total = std::max<std::size_t>(1, document.SectionCount());
  std::size_t done = 0;
  int reported = 0;
  document.ForEachSection([&](const IniSection& section) {
    builder.AddSection(section);
    const int percent = static_cast<int>(++done * 100 / total);
    if (progress && percent > reported) progress(reported = percent);
  });
  return builder.Counts();
}

int TracksToShow(const IniSection& section) {
  AlbumSection album;
  album.Read(section);
  return album.TracksToShow();
}

std::string TrackLabel(int16_t trackIndex, std::string_view name) {
  char number[16];
  std::snprintf(number, sizeof number, "%2d. ", trackIndex + 1);
  std::string label(number);
  return label.append(name);
}

std::string ItemLabel(const CatalogueItem& record) {
  return record.kind == ItemKind::Track ? TrackLabel(record.trackIndex, record.text) : record.text;
}

}  // namespace lumo
