#include "catalogue/catalogue_build.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <unordered_map>
#include <utility>
#include <vector>

#include "app/tree_item.h"
#include "catalogue/ini_document.h"
#include "catalogue/ini_section.h"

namespace lumo {
namespace {

constexpr char kUnknown[] = "<UNKNOWN>";

// Albums are duplicates when artist and title are both equal; the pair is
// kept apart so that "AB" + "C" never matches "A" + "BC". The texts are
// those of the records the tree's items own, which outlive the build.
struct AlbumKey {
  std::string_view artist;
  std::string_view title;
  bool operator==(const AlbumKey&) const = default;
};

struct AlbumKeyHash {
  std::size_t operator()(const AlbumKey& key) const noexcept {
    std::size_t h = std::hash<std::string_view>{}(key.artist);
    return h ^ (std::hash<std::string_view>{}(key.title) + 0x9E3779B97F4A7C15ULL + (h << 6) + (h >> 2));
  }
};

// The track number a key stands for, when the key is one that a track is
// read from ("0", "1", ... as std::to_string writes them) and can be shown.
std::optional<int> TrackNumberOfKey(std::string_view key) {
  if (key.empty() || key.size() > 5 || (key.size() > 1 && key[0] == '0')) return std::nullopt;
  int number = 0;
  for (char c : key) {
    if (c < '0' || c > '9') return std::nullopt;
    number = number * 10 + (c - '0');
  }
  if (number >= kMaxTracks) return std::nullopt;
  return number;
}

// The track numbers the section names, ascending.
std::vector<int> NamedTracks(const IniSection& section) {
  std::vector<int> named;
  for (std::size_t i = 0; i < section.KeyCount(); ++i) {
    if (auto number = TrackNumberOfKey(section.EntryAt(i).first)) named.push_back(*number);
  }
  std::sort(named.begin(), named.end());
  return named;
}

// The first track that would be the 100th without a name: up to it, no more
// than 99 tracks lack one. `named` is ascending and without repeats.
int FirstTrackPastUnnamedLimit(const std::vector<int>& named) {
  for (std::size_t j = 0; j < named.size(); ++j) {
    const int unnamedBefore = named[j] - static_cast<int>(j);
    if (unnamedBefore > kMaxUnnamedTracks) return kMaxUnnamedTracks + static_cast<int>(j);
  }
  return kMaxUnnamedTracks + static_cast<int>(named.size());
}

// The state of one build: the two lookup maps and the counts.
class Builder {
 public:
  Builder(CatalogueTree& tree, std::size_t sections) : tree_(tree) {
    artists_.reserve(sections);
    albums_.reserve(sections);
  }

  void AddSection(const IniSection& section) {
    const std::string artist = section.GetString("artist", kUnknown);
    if (artist == kUnknown) return;
    TreeItem* artistItem = ArtistItem(artist);
    CatalogueItem album{ItemKind::Album, section.GetString("title", kUnknown), section.GetName(), 0};
    if (albums_.count({artist, album.text}) != 0 && tree_.LeaveOutDuplicate(artist, album.text)) return;
    ++counts_.albums;
    TreeItem* albumItem = tree_.AddLast(artistItem, std::move(album), {});
    albums_.insert_or_assign({artistItem->Record()->text, albumItem->Record()->text}, albumItem);
    AddTracks(section, albumItem);
  }

  CatalogueCounts Counts() const { return counts_; }

 private:
  TreeItem* ArtistItem(const std::string& artist) {
    auto found = artists_.find(artist);
    if (found != artists_.end()) return found->second;
    ++counts_.artists;
    TreeItem* item = tree_.AddArtist({ItemKind::Artist, artist, {}, 0});
    artists_.emplace(item->Record()->text, item);
    return item;
  }

  void AddTracks(const IniSection& section, TreeItem* albumItem) {
    const int count = TracksToShow(section);
    for (int i = 0; i < count; ++i) {
      const auto index = static_cast<int16_t>(i);
      CatalogueItem track{ItemKind::Track, section.GetString(std::to_string(i), "?"), section.GetName(), index};
      const std::string label = TrackLabel(index, track.text);
      tree_.AddLast(albumItem, std::move(track), label);
    }
  }

  CatalogueTree& tree_;
  CatalogueCounts counts_;
  std::unordered_map<std::string_view, TreeItem*> artists_;
  std::unordered_map<AlbumKey, TreeItem*, AlbumKeyHash> albums_;
};

}  // namespace

CatalogueCounts BuildCatalogue(const IniDocument& document, CatalogueTree& tree,
                               const std::function<void(int percent)>& progress) {
  Builder builder(tree, document.SectionCount());
  const std::size_t total = std::max<std::size_t>(1, document.SectionCount());
  std::size_t done = 0;
  int reported = 0;
  IniSection section;
  for (auto position = document.FirstSection(); position;) {
    document.NextSection(position, section);
    builder.AddSection(section);
    const int percent = static_cast<int>(++done * 100 / total);
    if (progress && percent > reported) progress(reported = percent);
  }
  return builder.Counts();
}

int TracksToShow(const IniSection& section) {
  const int32_t declared = section.GetInt("numtracks", 0);
  if (declared <= 0) return 0;
  const std::vector<int> named = NamedTracks(section);
  const int justified = std::max(kMaxUnnamedTracks, named.empty() ? 0 : named.back() + 1);
  return std::min({declared, justified, FirstTrackPastUnnamedLimit(named), kMaxTracks});
}

std::string TrackLabel(int16_t trackIndex, std::string_view name) {
  char number[16];
  std::snprintf(number, sizeof number, "%2d. ", trackIndex + 1);
  std::string label(number);
  return label.append(name);
}

}  // namespace lumo
