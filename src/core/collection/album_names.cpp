#include "core/collection/album_names.h"

#include "core/catalogue/track_maker.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"

namespace lumo {

void AlbumNames::Read(const IniSection& section) {
  artist.reset();
  title.reset();
  tracks.clear();
  section.ForEachAssignment([this](std::string_view key, std::string_view value) {
    if (const std::optional<int> number = TrackNumberOfKey(key)) {
      if (static_cast<std::size_t>(*number) >= tracks.size()) tracks.resize(*number + 1);
      tracks[*number] = value;
    } else if (key == "artist") {
      artist = value;
    } else if (key == "title") {
      title = value;
    }
  });
}

bool AlbumNames::IsAlbum() const { return artist && *artist != kMissingName; }

std::vector<AlbumIdentity> AlbumIdentities(const IniDocument& document) {
  std::vector<AlbumIdentity> albums;
  albums.reserve(document.SectionCount());
  document.ForEachSection([&albums](const IniSection& section) {
    std::optional<std::string_view> artist;
    std::string_view title = kMissingName;
    section.ForEachAssignment([&](std::string_view key, std::string_view value) {
      if (key == "artist") {
        artist = value;
      } else if (key == "title") {
        title = value;
      }
    });
    if (artist && *artist != kMissingName) albums.push_back({&section, *artist, title});
  });
  return albums;
}

}  // namespace lumo
