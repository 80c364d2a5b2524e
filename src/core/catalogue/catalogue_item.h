#pragma once

#include <cstdint>
#include <string>

namespace lumo {

// What a tree item stands for.
enum class ItemKind : uint8_t { Artist = 1, Album = 2, Track = 3 };

// The record every tree item owns: what the item is and where in
// cdplayer.ini its name is stored. A plain value; copying copies all fields.
struct CatalogueItem {
  ItemKind kind = ItemKind::Artist;
  std::string text;      // the name exactly as stored, never a "%2d. %s" label
  std::string cdKey;     // the album's section name; empty for artists
  int16_t trackIndex = 0;  // a track's key number, from 0; 0 otherwise

  // The key under which `text` is stored: "artist", "title", or the track
  // index in decimal. Empty for any other kind.
  std::string KeyName() const;

  friend bool operator==(const CatalogueItem&, const CatalogueItem&) = default;
};

}  // namespace lumo
