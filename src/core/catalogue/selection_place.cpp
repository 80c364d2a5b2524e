#include "core/catalogue/selection_place.h"

#include "core/catalogue/tree_item.h"

namespace lumo {

// Walks read the items' fields as they are: asking each for its record
// would make a record for every item passed.
namespace {

TreeItem* FirstChild(const TreeItem* item) { return item->HasChildren() ? item->Child(0) : nullptr; }

TreeItem* AlbumUnder(TreeItem* artist, const std::string& cdKey) {
  for (TreeItem* album = FirstChild(artist); album; album = album->NextSibling()) {
    if (album->HasRecord() && album->CdKey() == cdKey) return album;
  }
  return nullptr;
}

TreeItem* ArtistNamed(const TreeItem& root, const std::string& name) {
  for (TreeItem* artist = FirstChild(&root); artist; artist = artist->NextSibling()) {
    if (artist->HasRecord() && artist->Text() == name) return artist;
  }
  return nullptr;
}

// Under the artist named `artist` first; else under every artist.
TreeItem* AlbumWithKey(const TreeItem& root, const std::string& cdKey, const std::string& artist) {
  if (TreeItem* named = ArtistNamed(root, artist)) {
    if (TreeItem* album = AlbumUnder(named, cdKey)) return album;
  }
  for (TreeItem* each = FirstChild(&root); each; each = each->NextSibling()) {
    if (TreeItem* album = AlbumUnder(each, cdKey)) return album;
  }
  return nullptr;
}

TreeItem* TrackAt(TreeItem* album, int16_t index) {
  for (TreeItem* track = FirstChild(album); track; track = track->NextSibling()) {
    if (track->HasRecord() && track->TrackIndex() == index) return track;
  }
  return album;
}

}  // namespace

SelectionPlace RememberSelection(const TreeItem* selected) {
  const CatalogueItem* record = selected ? selected->Record() : nullptr;
  if (!record) return {};
  SelectionPlace place{true, record->kind, record->cdKey, {}, record->trackIndex};
  if (record->kind == ItemKind::Artist) {
    place.artist = record->text;
    if (const TreeItem* album = FirstChild(selected); album && album->Record()) place.cdKey = album->Record()->cdKey;
    return place;
  }
  const TreeItem* artist = selected->Parent();
  if (artist != nullptr && record->kind == ItemKind::Track) artist = artist->Parent();
  if (artist != nullptr && artist->HasRecord()) place.artist = artist->Text();
  return place;
}

TreeItem* FindPlace(const TreeItem& root, const SelectionPlace& place) {
  if (!place.any) return nullptr;
  TreeItem* album = place.cdKey.empty() ? nullptr : AlbumWithKey(root, place.cdKey, place.artist);
  switch (place.kind) {
    case ItemKind::Artist: return album ? album->Parent() : ArtistNamed(root, place.artist);
    case ItemKind::Album: return album;
    case ItemKind::Track: return album ? TrackAt(album, place.trackIndex) : nullptr;
  }
  return nullptr;
}

}  // namespace lumo
