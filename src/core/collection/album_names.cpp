#include "core/collection/album_names.h"

#include <optional>

#include "core/catalogue/album_section.h"
#include "core/ini/ini_document.h"
#include "core/ini/ini_section.h"

namespace lumo {

std::vector<AlbumIdentity> AlbumIdentities(const IniDocument& document) {
  std::vector<AlbumIdentity> albums;
  albums.reserve(document.SectionCount());
  document.ForEachSection([&albums](const IniSection& section) {
    std::optional<std::string_view> artist;
    std::string_view title = kUnknownName;
    section.ForEachAssignment([&](std::string_view key, std::string_view value) {
      if (key == "artist") {
        artist = value;
      } else if (key == "title") {
        title = value;
      }
    });
    if (artist && *artist != kUnknownName) albums.push_back({&section, *artist, title});
  });
  return albums;
}

}  // namespace lumo
