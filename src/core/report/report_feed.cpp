#include "core/report/report_feed.h"

#include <algorithm>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/platform/code_page.h"
#include "core/report/report_base.h"

namespace lumo {
namespace {

std::string_view Text(const TreeItem& item) { return item.HasRecord() ? item.Text() : std::string_view(); }

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

void WalkTree(const TreeItem& root, CollectionVisitor& visitor) {
  for (const TreeItem* artist = root.Child(0); artist; artist = artist->NextSibling()) {
    visitor.Artist(Text(*artist));
    for (const TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      visitor.Album(Text(*album), album->ChildCount());
      ForEachTrack(*album, [&visitor](int16_t number, std::string_view name) { visitor.Track(number, name); });
    }
  }
}

// Names reach the writers as the report's bytes: Windows-1252 as stored,
// any other code page as UTF-8 (see ReportIsUtf8).
class WriterFeed final : public CollectionVisitor {
 public:
  explicit WriterFeed(LumoReportBase& writer) : writer_(writer) {}
  void Artist(std::string_view name) override { writer_.AddArtist(Bytes(name)); }
  void Album(std::string_view title, int) override { writer_.AddAlbum(Bytes(title)); }
  void Track(int16_t number, std::string_view name) override { writer_.AddTrack(number, Bytes(name)); }

 private:
  std::string Bytes(std::string_view name) const { return utf8_ ? page_.ToUtf8(name) : std::string(name); }

  LumoReportBase& writer_;
  const CodePage& page_ = CollectionCodePage();
  const bool utf8_ = ReportIsUtf8();
};

// Lines of the listing, handed on in pieces of some 64 KB of whole lines.
class ListingLines final : public CollectionVisitor {
 public:
  explicit ListingLines(const std::function<void(std::string_view)>& write) : write_(write) { out_.reserve(kPiece + 1024); }

  // Hands on what is left.
  void Finish() {
    if (!out_.empty()) write_(out_);
    out_.clear();
  }

  void Artist(std::string_view name) override { artist_.assign(name); }
  void Album(std::string_view title, int trackCount) override {
    head_.assign(artist_).append(1, '\t').append(title).append(1, '\t');
    if (trackCount == 0) Line("\t");
  }
  void Track(int16_t number, std::string_view name) override {
    Line(std::to_string(number).append(1, '\t').append(name));
  }

 private:
  static constexpr std::size_t kPiece = 64 * 1024;

  void Line(std::string_view tail) {
    out_.append(head_).append(tail).append(1, '\n');
    if (out_.size() < kPiece) return;
    write_(out_);
    out_.clear();
  }

  const std::function<void(std::string_view)>& write_;
  std::string artist_;
  std::string head_;  // "artist TAB album TAB"
  std::string out_;
};

}  // namespace

CollectionWalk WalkOf(const TreeItem& root) {
  return [&root](CollectionVisitor& visitor) { WalkTree(root, visitor); };
}

void FeedReport(CollectionWalk walk, LumoReportBase& writer) {
  writer.SetFeed([walk = std::move(walk)](LumoReportBase& fed) {
    WriterFeed feed(fed);
    walk(feed);
  });
}

void FeedReport(const TreeItem& root, LumoReportBase& writer) { FeedReport(WalkOf(root), writer); }

void WriteCollectionListing(const CollectionWalk& walk, const std::function<void(std::string_view)>& write) {
  ListingLines lines(write);
  walk(lines);
  lines.Finish();
}

std::string CollectionListing(const TreeItem& root) {
  std::string listing;
  WriteCollectionListing(WalkOf(root), [&listing](std::string_view piece) { listing.append(piece); });
  return listing;
}

}  // namespace lumo
