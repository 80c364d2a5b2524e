#include "core/collection/duplicate_albums.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/tree_item.h"
#include "core/collection/album_names.h"
#include "core/ini/ini_document.h"

namespace lumo {
namespace {

// Artist and title in one key: a line break can be in neither, so
// "AB" + "C" never meets "A" + "BC".
std::string PairKey(std::string_view artist, std::string_view title) {
  std::string key;
  key.reserve(artist.size() + title.size() + 1);
  return key.append(artist).append(1, '\n').append(title);
}

bool GroupLess(const DuplicateGroup& a, const DuplicateGroup& b) {
  if (const int artist = CompareTreeLabels(a.artist, b.artist); artist != 0) return artist < 0;
  return CompareTreeLabels(a.title, b.title) < 0;
}

}  // namespace

std::vector<DuplicateGroup> FindDuplicateAlbums(const IniDocument& document) {
  std::unordered_map<std::string, std::vector<const IniSection*>> byAlbum;
  byAlbum.reserve(document.SectionCount());
  AlbumNames names;
  document.ForEachSection([&](const IniSection& section) {
    names.Read(section);
    if (!names.IsAlbum()) return;
    byAlbum[PairKey(*names.artist, names.title.value_or(kMissingName))].push_back(&section);
  });
  std::vector<DuplicateGroup> groups;
  for (const auto& [key, sections] : byAlbum) {
    if (sections.size() < 2) continue;
    const std::size_t split = key.find('\n');
    DuplicateGroup group{key.substr(0, split), key.substr(split + 1), {}};
    for (const IniSection* section : sections) group.entries.push_back({section->GetName(), TracksToShow(*section)});
    groups.push_back(std::move(group));
  }
  std::sort(groups.begin(), groups.end(), GroupLess);
  return groups;
}

std::vector<std::string> AlbumTrackNames(const IniSection& section) {
  AlbumNames names;
  names.Read(section);
  const int count = TracksToShow(section);
  std::vector<std::string> tracks;
  tracks.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const bool named = static_cast<std::size_t>(i) < names.tracks.size() && names.tracks[i];
    tracks.emplace_back(named ? *names.tracks[i] : kMissingTrack);
  }
  return tracks;
}

}  // namespace lumo
