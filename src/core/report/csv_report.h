#pragma once

#include <cstdint>
#include <string>

#include "core/report/report_base.h"

namespace lumo {

class ReportFile;

// The CSV report: one line per album, the artist, the album title and every
// track title, each in double quotes (inner quotes doubled), separated by
// commas; an artist without albums gives a line of the artist alone. Lines
// end in CR LF. No header, no track numbers; title and comment are unused.
// A field that a spreadsheet would run as a formula gets an apostrophe
// before its first character, inside the quotes ("'=1+2"): one that begins
// with "=", a tab or a CR, and one that begins with "+", "-" or "@" and
// holds one of + - * / ^ % & = < > ( ) ! | : further on ("-2+3", "@SUM(A1)").
// Other fields stay as they are ("-intro", "+44", "@home", "-1").
class LumoCsv : public LumoReportBase {
 public:
  LumoCsv() = default;

  void Reset() override;
  void AddArtist(const std::string& name) override;
  void AddAlbum(const std::string& title) override;
  void AddTrack(int16_t number, const std::string& title) override;

  // Writes every line (an empty collection gives an empty file). Throws
  // lumo::FileException at step Open, no file created or changed, when the
  // file cannot be made; at step Write when a write or the close fails: the
  // report is written aside and put in place whole (ReportFile), so an
  // earlier file at the path stays as it was.
  void WriteReport(const std::string& path, const std::string& title,
                   const std::string& comment) override;

 private:
  void FinishLine();
  // Forgets the lines and the artist so far.
  void StartOver();

  ReportFile* sink_ = nullptr;  // while fed: where finished lines go at once
  bool newArtist = false;
  bool anyArtist = false;  // so that a first artist named "" is new as well
  std::string currentArtist;
  std::string currentLine;
};

}  // namespace lumo
