#include "core/collection/duplicate_albums.h"

#include <algorithm>
#include <functional>
#include <string_view>
#include <unordered_map>

#include "core/catalogue/album_section.h"
#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/tree_item.h"
#include "core/ini/ini_document.h"

namespace lumo {
namespace {

// Artist and title kept apart, so that "AB" + "C" never meets "A" + "BC".
struct AlbumKey {
  std::string_view artist;
  std::string_view title;
  bool operator==(const AlbumKey&) const = default;
};

struct AlbumKeyHash {
  std::size_t operator()(const AlbumKey& key) const noexcept {
    const std::hash<std::string_view> hash;
    return hash(key.artist) * 0x9E3779B97F4A7C15ULL ^ hash(key.title);
  }
};

// Where the copies of one album are gathered: the first album met, and its
// group once a second copy turns up.
struct Seen {
  std::size_t first = 0;
  std::size_t group = SIZE_MAX;
};

bool GroupLess(const DuplicateGroup& a, const DuplicateGroup& b) {
  if (const int artist = CompareTreeLabels(a.artist, b.artist); artist != 0) return artist < 0;
  return CompareTreeLabels(a.title, b.title) < 0;
}

DuplicateEntry EntryOf(const AlbumIdentity& album) {
  return {album.section->GetName(), TracksToShow(*album.section)};
}

}  // namespace

std::vector<DuplicateGroup> FindDuplicateAlbums(const IniDocument& document) {
  return FindDuplicateAlbums(AlbumIdentities(document));
}

std::vector<DuplicateGroup> FindDuplicateAlbums(const std::vector<AlbumIdentity>& albums) {
  std::unordered_map<AlbumKey, Seen, AlbumKeyHash> seen;
  seen.reserve(albums.size());
  std::vector<DuplicateGroup> groups;
  for (std::size_t i = 0; i < albums.size(); ++i) {
    const auto [at, isNew] = seen.try_emplace({albums[i].artist, albums[i].title}, Seen{i});
    if (isNew) continue;
    if (at->second.group == SIZE_MAX) {
      at->second.group = groups.size();
      const AlbumIdentity& first = albums[at->second.first];
      groups.push_back({std::string(first.artist), std::string(first.title), {EntryOf(first)}});
    }
    groups[at->second.group].entries.push_back(EntryOf(albums[i]));
  }
  std::sort(groups.begin(), groups.end(), GroupLess);
  return groups;
}

std::vector<std::string> AlbumTrackNames(const IniSection& section) {
  AlbumSection album;
  album.Read(section);
  std::vector<std::string> tracks;
  tracks.reserve(static_cast<std::size_t>(album.TracksToShow()));
  album.ForEachTrack([&tracks](int, std::string_view name) { tracks.emplace_back(name); });
  return tracks;
}

}  // namespace lumo
