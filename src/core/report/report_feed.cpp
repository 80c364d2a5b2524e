#include "core/report/report_feed.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/report/report_base.h"

namespace lumo {

namespace {

std::string Text(const TreeItem& item) { return std::string(item.HasRecord() ? item.Text() : std::string_view()); }

int16_t TrackNumber(int index) { return static_cast<int16_t>(std::min(index + 1, static_cast<int>(INT16_MAX))); }

// Calls `visit(number, name)` for each of the album's tracks, in order. Tracks
// not made yet are read without making them: a report of the whole
// collection must not make every track.
template <typename Visit>
void ForEachTrack(const TreeItem& album, Visit&& visit) {
  if (album.HasPendingChildren()) {
    const std::vector<std::string_view> names = album.PendingChildTexts();
    for (std::size_t i = 0; i < names.size(); ++i) visit(TrackNumber(static_cast<int>(i)), std::string(names[i]));
    return;
  }
  for (const TreeItem* track = album.Child(0); track; track = track->NextSibling()) {
    visit(TrackNumber(track->HasRecord() ? track->TrackIndex() : 0), Text(*track));
  }
}

}  // namespace

void FeedReport(const TreeItem& root, LumoReportBase& writer) {
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    writer.AddArtist(Text(*artist));
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      writer.AddAlbum(Text(*album));
      ForEachTrack(*album, [&writer](int16_t number, const std::string& name) { writer.AddTrack(number, name); });
    }
  }
}

std::string CollectionListing(const TreeItem& root) {
  std::string out;
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      const std::string head = Text(*artist) + '\t' + Text(*album) + '\t';
      if (!album->HasChildren()) out += head + "\t\n";
      ForEachTrack(*album, [&out, &head](int16_t number, const std::string& name) {
        out += head + std::to_string(number) + '\t' + name + '\n';
      });
    }
  }
  return out;
}

}  // namespace lumo
