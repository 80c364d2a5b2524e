#include "core/edit/write_back.h"

namespace lumo::write_back {

std::vector<profile::Edit> ItemNameEdits(const CatalogueItem& record) {
  return {profile::Edit::Set(record.cdKey, record.KeyName(), record.text)};
}

std::vector<profile::Edit> ArtistNameEdits(const std::string& newName,
                                           const std::vector<const CatalogueItem*>& albums) {
  std::vector<profile::Edit> edits;
  edits.reserve(albums.size() * 2);
  for (const CatalogueItem* album : albums) {
    // The title goes with the artist, so an album whose section lacked one
    // gets the title it is shown with.
    edits.push_back(profile::Edit::Set(album->cdKey, "artist", newName));
    edits.push_back(profile::Edit::Set(album->cdKey, album->KeyName(), album->text));
  }
  return edits;
}

std::vector<profile::Edit> AlbumRemovalEdits(const std::vector<const CatalogueItem*>& albums) {
  std::vector<profile::Edit> edits;
  edits.reserve(albums.size());
  for (const CatalogueItem* album : albums) edits.push_back(profile::Edit::Remove(album->cdKey));
  return edits;
}

}  // namespace lumo::write_back
