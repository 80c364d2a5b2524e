#pragma once

#include <optional>
#include <string_view>
#include <vector>

namespace lumo {

class IniDocument;
class IniSection;

// The names one album section holds, as the tree reads them: its artist and
// title (none when the key is missing) and its track names by number, the
// last line of a key winning. Views into the section's text: valid while the
// section and its document stay unchanged.
struct AlbumNames {
  std::optional<std::string_view> artist;
  std::optional<std::string_view> title;
  std::vector<std::optional<std::string_view>> tracks;  // by track number; none: no key

  // Reads `section` in one pass over its keys.
  void Read(const IniSection& section);
  // True when the tree shows the section as an album (an artist, not "<UNKNOWN>").
  bool IsAlbum() const;
};

// An album section as the tree tells albums apart: its artist and its title
// ("<UNKNOWN>" when missing). The views are valid while the document stays
// unchanged.
struct AlbumIdentity {
  const IniSection* section = nullptr;
  std::string_view artist;
  std::string_view title;
};

// Every album section of the document in the order the load meets them,
// each read in one pass over its keys.
std::vector<AlbumIdentity> AlbumIdentities(const IniDocument& document);

// What the tree shows for a missing artist or title, and for a missing track name.
inline constexpr std::string_view kMissingName = "<UNKNOWN>";
inline constexpr std::string_view kMissingTrack = "?";

}  // namespace lumo
