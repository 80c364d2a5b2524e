#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace lumo {

// What every report writer offers. The report generator creates one writer,
// feeds it the collection in order (each artist, then that artist's albums,
// each album followed by its tracks), calls WriteReport once and destroys it.
// Texts are Windows-1252 bytes, taken unchanged from the catalogue.
class LumoReportBase {
 public:
  virtual ~LumoReportBase();

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
  // finished lines.
  std::vector<std::string> lines;
};

}  // namespace lumo
