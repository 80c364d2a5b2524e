#pragma once

#include <string>
#include <vector>

#include "core/collection/album_names.h"

namespace lumo {

class IniDocument;
class IniSection;

// One copy of a duplicated album: its section (CD key) and how many tracks
// the tree shows for it.
struct DuplicateEntry {
  std::string cdKey;
  int tracks = 0;
};

// Albums with the same artist and title, byte for byte, under different CD
// keys. The entries come in the order the load meets them, so the first is
// the one the tree keeps when the others are left out.
struct DuplicateGroup {
  std::string artist;
  std::string title;
  std::vector<DuplicateEntry> entries;  // at least two
};

// Every group of duplicate albums in the document, by the rule the load
// uses (sections without an artist are no albums; a missing title reads as
// "<UNKNOWN>"), ordered by artist and title as the tree orders labels.
std::vector<DuplicateGroup> FindDuplicateAlbums(const IniDocument& document);
// The same from the document's albums as AlbumIdentities read them.
std::vector<DuplicateGroup> FindDuplicateAlbums(const std::vector<AlbumIdentity>& albums);

// The album's track names as the tree shows them: as many as it shows, a
// missing one as "?".
std::vector<std::string> AlbumTrackNames(const IniSection& section);

}  // namespace lumo
