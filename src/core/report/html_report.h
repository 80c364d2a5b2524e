#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/report/report_base.h"

namespace lumo {

class ReportFile;

// What the page's footer names: the program and its version, joined by one
// blank ("Lumo v2.0 Beta2"), linked to `link`, the maker's page for it.
struct ReportFooter {
  std::string name;
  std::string version;
  std::string link;
};

// The HTML report: one page, on one line, with a title block, an index of
// artists and albums linking into a track listing with one table per album.
// Every name, the title and the comment are HTML-escaped (& < > ").
// Anchors are numbered in order of appearance, "a1", "a2"... for artists and
// "b1", "b2"... for albums, so that each link meets its own target whatever
// the names (alike, differing in case only, or empty). An empty name shows
// as "(no name)" in the index, so that its link can be clicked.
class LumoHtml : public LumoReportBase {
 public:
  explicit LumoHtml(lumo::ReportFooter footer);

  void Reset() override;
  void AddArtist(const std::string& name) override;
  void AddAlbum(const std::string& title) override;
  void AddTrack(int16_t number, const std::string& title) override;

  // Writes the page. Throws lumo::FileException at step Open, without
  // touching any file, when no artist was added or the feed adds none (see
  // LumoReportBase::SetFeed; cause Generic: there is no page to write), or
  // when the file cannot be made; at step Write when a write or the close
  // fails: the page is written aside and put in place whole
  // (ReportFile), so an earlier file at the path then stays as it was.
  void WriteReport(const std::string& path, const std::string& title,
                   const std::string& comment) override;

 private:
  enum IndexEntry : int32_t { kNone = 0, kArtist = 1, kAlbum = 2 };
  // What becomes of the pieces added: kept for WriteReport, or, while a fed
  // report is written, the index's written out in one walk and the track
  // listing's in a second.
  enum class Pass : uint8_t { Keep, Index, Listing };

  void CloseOpenTable();
  void IndexPiece(std::string piece);
  void ListingPiece(std::string piece);
  // Numbers and open entries start afresh: each walk adds the same.
  void StartPass(Pass pass);
  // The index's entries, or false when a feed gave none; the track listing.
  bool WriteIndex(ReportFile& file);
  void WriteListing(ReportFile& file);

  Pass pass_ = Pass::Keep;
  ReportFile* sink_ = nullptr;  // while fed
  bool indexed_ = false;        // an index entry went out in this write
  int32_t lastIndexEntry = kNone;
  bool tableOpen = false;
  std::vector<std::string> body;
  lumo::ReportFooter footer_;
  int artistCount = 0;  // artists and albums so far, which number the anchors
  int albumCount = 0;
};

}  // namespace lumo
