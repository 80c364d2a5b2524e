#pragma once

#include <string>
#include <vector>

#include "core/catalogue/catalogue_item.h"
#include "core/platform/profile.h"

// The changes of cdplayer.ini that the editing commands make, as lists of
// profile edits. Each list is meant to be applied as one batch
// (IniDocument::ApplyEdits), so that one command is one change of the file.
// The records are read, never changed; no list is empty unless its input is.
namespace lumo::write_back {

// A renamed album or track: its name under its key (CatalogueItem::KeyName)
// in its album's section.
std::vector<profile::Edit> ItemNameEdits(const CatalogueItem& record);

// An artist renamed: for each album, in the order given, "artist" = the new
// name, then "title" = the album's title as its record holds it.
std::vector<profile::Edit> ArtistNameEdits(const std::string& newName,
                                           const std::vector<const CatalogueItem*>& albums);

// Albums deleted: each album's section removed, in the order given.
std::vector<profile::Edit> AlbumRemovalEdits(const std::vector<const CatalogueItem*>& albums);

}  // namespace lumo::write_back
