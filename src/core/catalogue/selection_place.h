#pragma once

#include <cstdint>
#include <string>

#include "core/catalogue/catalogue_item.h"

namespace lumo {

class TreeItem;

// Where the selection was, told by what the file calls it rather than by an
// item handle, so that it can be found again in a tree built anew: an album
// or track by its CD key (and track number), an artist by one of its albums
// (its name may be the very thing that changed) or else by its name. The
// artist's name is looked at first for an album or track, so that a large
// tree makes the albums of one artist only.
struct SelectionPlace {
  bool any = false;
  ItemKind kind = ItemKind::Artist;
  std::string cdKey;
  std::string artist;  // the artist's name, or the album's or track's artist
  int16_t trackIndex = 0;
};

// Where `selected` (null: nothing) stands.
SelectionPlace RememberSelection(const TreeItem* selected);
// The item standing at `place` now among the artists below `root`, or null.
TreeItem* FindPlace(const TreeItem& root, const SelectionPlace& place);

}  // namespace lumo
