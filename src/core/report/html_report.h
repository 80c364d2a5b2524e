#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "core/report/report_base.h"

// The HTML report: one page, on one line, with a title block, an index of
// artists and albums linking into a track listing with one table per album.
// Every name, the title and the comment are HTML-escaped (& < > ") wherever
// they appear, anchors included, so links still meet their targets.
class LumoHtml : public LumoReportBase {
 public:
  LumoHtml();

  void Reset() override;
  void AddArtist(const std::string& name) override;
  void AddAlbum(const std::string& title) override;
  void AddTrack(int16_t number, const std::string& title) override;

  // Returns false, without touching any file, when no artist was added; false
  // when the file cannot be opened (no message). Otherwise writes the page and
  // returns true. A write or close failure after opening throws
  // lumo::FileException; the page is written aside and put in place whole
  // (ReportFile), so an earlier file at the path then stays as it was.
  bool WriteReport(const std::string& path, const std::string& title,
                   const std::string& comment) override;

 private:
  enum IndexEntry : int32_t { kNone = 0, kArtist = 1, kAlbum = 2 };

  void CloseOpenTable();

  int32_t lastIndexEntry = kNone;
  bool tableOpen = false;
  std::vector<std::string> body;
  std::string currentArtist;  // HTML-escaped, as it goes into anchors
};
