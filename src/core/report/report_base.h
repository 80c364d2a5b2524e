#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace lumo {

// What every report writer offers. The report generator creates one writer,
// feeds it the collection in order (each artist, then that artist's albums,
// each album followed by its tracks), calls WriteReport once and destroys it.
// Texts are the report's bytes: for a Windows-1252 collection the names as
// stored and the page in Windows-1252, as always; for any other code page
// everything in UTF-8 (ReportIsUtf8), which browsers and spreadsheets read
// whatever the reader's system, where a legacy code page would need guessing.
//
// A writer can also be given the collection as a walk (SetFeed) instead of
// piece by piece: WriteReport then runs it while it writes, so that no
// report is ever held whole in memory, whatever the collection's size.
// True when reports of the collection loaded are written in UTF-8.
bool ReportIsUtf8();

class LumoReportBase {
 public:
  // A walk that adds a collection to the writer in order (AddArtist,
  // AddAlbum, AddTrack), and adds the same each time it runs.
  using Feed = std::function<void(LumoReportBase& writer)>;

  virtual ~LumoReportBase();

  // From now on WriteReport writes what `feed` adds, in place of anything
  // added before; it may run the walk more than once. Whatever the walk
  // reads must stay unchanged until then. Reset forgets the walk.
  void SetFeed(Feed feed) { feed_ = std::move(feed); }

  // Forgets everything added so far.
  virtual void Reset() = 0;
  // An artist begins.
  virtual void AddArtist(const std::string& name) = 0;
  // An album of the artist last added begins.
  virtual void AddAlbum(const std::string& title) = 0;
  // A track of the album last added; `number` is printed as given.
  virtual void AddTrack(int16_t number, const std::string& title) = 0;
  // Writes the report to `path`; throws lumo::FileException when it could
  // not (each writer says when).
  virtual void WriteReport(const std::string& path, const std::string& title,
                           const std::string& comment) = 0;

 protected:
  // The HTML writer keeps its index entries here, the CSV writer its
  // finished lines (unless they are written as they come).
  std::vector<std::string> lines;
  Feed feed_;  // none: WriteReport writes what was added
};

}  // namespace lumo
