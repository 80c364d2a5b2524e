#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/report/report_base.h"

// A collection as the report writers receive it, for benchmarks and
// fuzzers that drive the writers without a tree.
namespace lumo::bench {

struct Album {
  std::string title;
  std::vector<std::string> tracks;
};

struct Artist {
  std::string name;
  std::vector<Album> albums;
};

// Feeds the artists to the writer in the report dialog's order: each
// artist, then each of its albums followed by its tracks, numbered from 1.
inline void FeedArtists(const std::vector<Artist>& artists, LumoReportBase& writer) {
  for (const Artist& artist : artists) {
    writer.AddArtist(artist.name);
    for (const Album& album : artist.albums) {
      writer.AddAlbum(album.title);
      int16_t number = 1;
      for (const std::string& track : album.tracks) writer.AddTrack(number++, track);
    }
  }
}

}  // namespace lumo::bench
