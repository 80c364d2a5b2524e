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
#include "core/catalogue/item_set.h"
#include "core/catalogue/track_maker.h"
#include "core/platform/ini_number.h"

namespace lumo {
namespace {

constexpr char kUnknown[] = "<UNKNOWN>";

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

// The first track that would be the 100th without a name: up to it, no more
// than 99 tracks lack one. `named` is ascending and without repeats.
int FirstTrackPastUnnamedLimit(const std::vector<NamedTrack>& named) {
  for (std::size_t j = 0; j < named.size(); ++j) {
    const int unnamedBefore = named[j].first - static_cast<int>(j);
    if (unnamedBefore > kMaxUnnamedTracks) return kMaxUnnamedTracks + static_cast<int>(j);
  }
  return kMaxUnnamedTracks + static_cast<int>(named.size());
}

// What a build reads of one section, gathered in one pass over its keys.
class AlbumSection {
 public:
  void Read(const IniSection& section) {
    artist_.reset();
    title_.reset();
    declaredTracks_ = 0;
    named_.clear();
    section.ForEachAssignment([this](std::string_view key, std::string_view value) {
      if (const std::optional<int> number = TrackNumberOfKey(key)) {
        named_.emplace_back(*number, value);
      } else if (key == "artist") {
        artist_ = value;
      } else if (key == "title") {
        title_ = value;
      } else if (key == "numtracks") {
        declaredTracks_ = ini::ReadDecimal(value);
      }
    });
    // A key may come more than once: its last value is the one that holds.
    KeepLastOfEachTrack(named_);
  }

  const std::optional<std::string_view>& Artist() const { return artist_; }
  const std::optional<std::string_view>& Title() const { return title_; }
  // The named tracks, ascending, one name each.
  const std::vector<NamedTrack>& Named() const { return named_; }

  int TracksToShow() const {
    if (declaredTracks_ <= 0) return 0;
    const int justified = std::max(kMaxUnnamedTracks, named_.empty() ? 0 : named_.back().first + 1);
    return std::min({declaredTracks_, justified, FirstTrackPastUnnamedLimit(named_), kMaxTracks});
  }

 private:
  std::optional<std::string_view> artist_;
  std::optional<std::string_view> title_;
  int32_t declaredTracks_ = 0;
  std::vector<NamedTrack> named_;
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
    if (!album_.Artist() || *album_.Artist() == kUnknown) return;
    TreeItem* artistItem = ArtistItem(*album_.Artist());
    const std::string_view title = album_.Title() ? *album_.Title() : kUnknown;
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
  std::string_view KeepOrLiteral(std::string_view text) { return text.data() == kUnknown ? text : texts_->Keep(text); }

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
