#include "report/report_feed.h"

#include <algorithm>
#include <cstdint>

#include "app/tree_item.h"
#include "report/report_base.h"

namespace {

std::string Text(const TreeItem& item) { return std::string(item.HasRecord() ? item.Text() : std::string_view()); }

int16_t TrackNumber(const TreeItem& track) {
  const int index = track.HasRecord() ? track.TrackIndex() : 0;
  return static_cast<int16_t>(std::min(index + 1, static_cast<int>(INT16_MAX)));
}

}  // namespace

void FeedReport(const TreeItem& root, LumoReportBase& writer) {
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    writer.AddArtist(Text(*artist));
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      writer.AddAlbum(Text(*album));
      for (const TreeItem* track = album->Child(0); track; track = track->NextSibling()) {
        writer.AddTrack(TrackNumber(*track), Text(*track));
      }
    }
  }
}

std::string CollectionListing(const TreeItem& root) {
  std::string out;
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      const std::string head = Text(*artist) + '\t' + Text(*album) + '\t';
      if (!album->HasChildren()) out += head + "\t\n";
      for (const TreeItem* track = album->Child(0); track; track = track->NextSibling()) {
        out += head + std::to_string(TrackNumber(*track)) + '\t' + Text(*track) + '\n';
      }
    }
  }
  return out;
}
