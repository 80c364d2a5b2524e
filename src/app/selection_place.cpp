#include "app/selection_place.h"

#include "app/lumo_tree_ctrl.h"

// Walks read the items' fields as they are: asking each for its record
// would make a record for every item passed.
namespace {

TreeItem* AlbumWithKey(const LumoTreeCtrl& tree, const std::string& cdKey) {
  for (TreeItem* artist = tree.GetRootItem(); artist; artist = tree.GetNextSiblingItem(artist)) {
    for (TreeItem* album = tree.GetChildItem(artist); album; album = tree.GetNextSiblingItem(album)) {
      if (album->HasRecord() && album->CdKey() == cdKey) return album;
    }
  }
  return nullptr;
}

TreeItem* ArtistNamed(const LumoTreeCtrl& tree, const std::string& name) {
  for (TreeItem* artist = tree.GetRootItem(); artist; artist = tree.GetNextSiblingItem(artist)) {
    if (artist->HasRecord() && artist->Text() == name) return artist;
  }
  return nullptr;
}

TreeItem* TrackAt(const LumoTreeCtrl& tree, TreeItem* album, int16_t index) {
  for (TreeItem* track = tree.GetChildItem(album); track; track = tree.GetNextSiblingItem(track)) {
    if (track->HasRecord() && track->TrackIndex() == index) return track;
  }
  return album;
}

}  // namespace

SelectionPlace RememberSelection(const LumoTreeCtrl& tree) {
  TreeItem* item = tree.GetSelectedItem();
  const CatalogueItem* record = tree.GetItemRecord(item);
  if (!record) return {};
  SelectionPlace place{true, record->kind, record->cdKey, {}, record->trackIndex};
  if (record->kind == ItemKind::Artist) {
    place.artist = record->text;
    if (const CatalogueItem* album = tree.GetItemRecord(tree.GetChildItem(item))) place.cdKey = album->cdKey;
  }
  return place;
}

TreeItem* FindPlace(const LumoTreeCtrl& tree, const SelectionPlace& place) {
  if (!place.any) return nullptr;
  TreeItem* album = place.cdKey.empty() ? nullptr : AlbumWithKey(tree, place.cdKey);
  switch (place.kind) {
    case ItemKind::Artist: return album ? tree.GetParentItem(album) : ArtistNamed(tree, place.artist);
    case ItemKind::Album: return album;
    case ItemKind::Track: return album ? TrackAt(tree, album, place.trackIndex) : nullptr;
  }
  return nullptr;
}
