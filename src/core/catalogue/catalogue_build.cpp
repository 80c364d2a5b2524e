#include "core/catalogue/catalogue_build.h"

#include <algorithm>
#include <cstdio>
#include <optional>
#include <utility>
#include <vector>

#include "core/catalogue/album_maker.h"
#include "core/catalogue/album_section.h"
#include "core/catalogue/collection_index.h"
#include "core/catalogue/tree_item.h"
#include "core/ini/ini_document.h"

namespace lumo {

CatalogueCounts BuildCatalogue(const IniDocument& document, CatalogueTree& tree,
                               const std::function<void(int percent)>& progress) {
  const auto leaveOut = [&tree](std::string_view artist, std::string_view title) {
    return tree.LeaveOutDuplicate(artist, title);
  };
  auto index = std::make_shared<const CollectionIndex>(document, leaveOut, progress);
  auto albums = std::make_shared<AlbumMaker>(document, index);
  tree.KeepTexts(albums);
  index->ForEachArtist([&](std::string_view name, std::size_t first, int count, uint32_t tracks) {
    tree.AddArtist({ItemKind::Artist, name, {}, 0}, {.maker = albums.get(), .token = first, .count = count, .below = tracks});
  });
  return index->Counts();
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
