#include "core/report/report_feed.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/report/csv_report.h"
#include "core/report/html_report.h"
#include "core/report/report_base.h"

namespace {

std::string_view Text(const TreeItem& item) { return item.HasRecord() ? item.Text() : std::string_view(); }

int16_t TrackNumber(int index) { return static_cast<int16_t>(std::min(index + 1, static_cast<int>(INT16_MAX))); }

// Calls `visit(number, name)` for each of the album's tracks, in order. Tracks
// not made yet are read without making them or keeping their names: a
// report of the whole collection must not hold every track.
template <typename Visit>
void ForEachTrack(const TreeItem& album, Visit&& visit) {
  if (album.HasPendingChildren()) {
    album.ForEachPendingChildText([&visit](int row, std::string_view name) { visit(TrackNumber(row), name); });
    return;
  }
  for (const TreeItem* track = album.Child(0); track; track = track->NextSibling()) {
    visit(TrackNumber(track->HasRecord() ? track->TrackIndex() : 0), Text(*track));
  }
}

void Feed(const TreeItem& root, LumoReportBase& writer) {
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    writer.AddArtist(std::string(Text(*artist)));
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      writer.AddAlbum(std::string(Text(*album)));
      ForEachTrack(*album, [&writer](int16_t number, std::string_view name) { writer.AddTrack(number, std::string(name)); });
    }
  }
}

}  // namespace

std::unique_ptr<LumoReportBase> MakeReportWriter(bool csv, const std::string& shownName,
                                                 const lumo::ReportFooter& footer) {
  if (!csv) return std::make_unique<LumoHtml>(footer);
  auto writer = std::make_unique<LumoCsv>();
  writer->SetDisplayName(shownName);
  return writer;
}

void FeedReport(const TreeItem& root, LumoReportBase& writer) {
  writer.SetFeed([&root](LumoReportBase& fed) { Feed(root, fed); });
}

void WriteCollectionListing(const TreeItem& root, const std::function<void(std::string_view)>& write) {
  constexpr std::size_t kPiece = 64 * 1024;
  std::string out;
  out.reserve(kPiece + 1024);
  std::string head;
  const auto flushFull = [&out, &write] {
    if (out.size() < kPiece) return;
    write(out);
    out.clear();
  };
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      head.assign(Text(*artist)).append(1, '\t').append(Text(*album)).append(1, '\t');
      if (!album->HasChildren()) out.append(head).append("\t\n");
      ForEachTrack(*album, [&](int16_t number, std::string_view name) {
        out.append(head).append(std::to_string(number)).append(1, '\t').append(name).append(1, '\n');
        flushFull();
      });
      flushFull();
    }
  }
  if (!out.empty()) write(out);
}

std::string CollectionListing(const TreeItem& root) {
  std::string listing;
  WriteCollectionListing(root, [&listing](std::string_view piece) { listing.append(piece); });
  return listing;
}
