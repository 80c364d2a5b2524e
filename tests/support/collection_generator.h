#pragma once

#include <cstdint>
#include <string>

// Synthetic cdplayer.ini collections for benchmarks: deterministic for a
// seed, Windows-1252 bytes, CRLF line ends, one section per disc under an
// 8-digit hex CD key with "artist", "title", "numtracks" and one key per
// track, as the CD player writes them.
namespace lumo::bench {

struct CollectionShape {
  int albums = 1000;
  int tracksPerAlbum = 12;      // each album varies by up to 3 either way (not for UnnamedTracks)
  int artists = 0;              // 0: albums / 4
  double duplicateShare = 0.0;  // albums repeated under a second CD key
  uint32_t seed = 1;
  bool artistPerAlbum = false;  // every album by an artist of its own (overrides `artists`)
  // Albums as the player writes them; albums with "numtracks" but no track
  // keys; or bare section headers, nothing under them ("albums" of them).
  enum class Kind { Albums, UnnamedTracks, BareHeaders };
  Kind kind = Kind::Albums;
};

// The whole file's bytes.
std::string MakeCollection(const CollectionShape& shape);

// Writes MakeCollection(shape) to `path`; throws std::runtime_error on failure.
void WriteCollection(const CollectionShape& shape, const std::string& path);

}  // namespace lumo::bench
