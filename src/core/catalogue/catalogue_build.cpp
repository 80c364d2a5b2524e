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
constexpr char kNoName[] = "?";

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
    KeepLastOfEachTrack();
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
  // A key may come more than once: its last value is the one that holds.
  void KeepLastOfEachTrack() {
    const auto byNumber = [](const NamedTrack& a, const NamedTrack& b) { return a.first < b.first; };
    if (!std::is_sorted(named_.begin(), named_.end(), byNumber)) {
      std::stable_sort(named_.begin(), named_.end(), byNumber);
    }
    std::size_t kept = 0;
    for (const NamedTrack& track : named_) {
      if (kept > 0 && named_[kept - 1].first == track.first) {
        named_[kept - 1] = track;
      } else {
        named_[kept++] = track;
      }
    }
    named_.resize(kept);
  }

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
        artists_(document.SectionCount() / 4),
        albums_(document.SectionCount()) {
    tree_.KeepTexts(texts_);
    if (std::shared_ptr<const std::string> loaded = document.LoadedBytes()) {
      tracks_ = std::make_shared<TrackMaker>(std::move(loaded));
      tree_.KeepTexts(tracks_);
    }
  }

  void AddSection(const IniSection& section) {
    album_.Read(section);
    if (!album_.Artist() || *album_.Artist() == kUnknown) return;
    TreeItem* artistItem = ArtistItem(*album_.Artist());
    const std::string_view title = album_.Title() ? *album_.Title() : kUnknown;
    const bool duplicate = albums_.Find({artistItem->Text(), title}) != nullptr;
    if (duplicate && tree_.LeaveOutDuplicate(artistItem->Text(), title)) return;
    ++counts_.albums;
    const std::string_view cdKey = texts_->Keep(section.GetName());
    const PendingChildren pending = PendingTracks();
    TreeItem* albumItem = tree_.AddLast(artistItem, {ItemKind::Album, KeepOrLiteral(title), cdKey, 0}, pending);
    albums_.Add(albumItem);
    if (pending.maker == nullptr) AddTracks(albumItem, cdKey);
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

  // The album's tracks, to be made when first shown, when they can be read
  // again from the loaded file; none when they are added right away.
  PendingChildren PendingTracks() const {
    const int count = album_.TracksToShow();
    if (!tracks_ || count == 0) return {};
    const std::optional<uint64_t> token = tracks_->TokenFor(album_.Named());
    return token ? PendingChildren{tracks_.get(), count, *token} : PendingChildren{};
  }

  void AddTracks(TreeItem* albumItem, std::string_view cdKey) {
    const int count = album_.TracksToShow();
    auto named = album_.Named().begin();
    const auto end = album_.Named().end();
    for (int i = 0; i < count; ++i) {
      while (named != end && named->first < i) ++named;
      const std::string_view name = named != end && named->first == i ? texts_->Keep(named->second) : kNoName;
      tree_.AddLast(albumItem, {ItemKind::Track, name, cdKey, static_cast<int16_t>(i)}, {});
    }
  }

  // The default texts are literals, which live as long as the program.
  std::string_view KeepOrLiteral(std::string_view text) { return text.data() == kUnknown ? text : texts_->Keep(text); }

  CatalogueTree& tree_;
  std::shared_ptr<CatalogueTexts> texts_;
  std::shared_ptr<TrackMaker> tracks_;  // none when the document holds no loaded file
  AlbumSection album_;  // reused for every section, so its vector is allocated once
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
