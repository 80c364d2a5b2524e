#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/catalogue/track_maker.h"

namespace lumo {

class IniSection;

// The artist a section without one stands for, and the title of an album
// without one: such sections are no albums, such albums keep the text.
inline constexpr char kUnknownName[] = "<UNKNOWN>";

// What the catalogue reads of one section, gathered in one pass over its
// keys. The views point where the section's own views do (see IniSection).
class AlbumSection {
 public:
  // Reads `section`, forgetting the one read before.
  void Read(const IniSection& section);

  // True when the section is an album: it has an artist, and not "<UNKNOWN>".
  bool IsAlbum() const { return artist_ && *artist_ != kUnknownName; }
  const std::optional<std::string_view>& Artist() const { return artist_; }
  // The title, or the literal kUnknownName.
  std::string_view Title() const { return title_ ? *title_ : std::string_view(kUnknownName); }
  bool HasTitle() const { return title_.has_value(); }
  // The named tracks, ascending, one name each.
  const std::vector<NamedTrack>& Named() const { return named_; }
  // How many tracks the album shows (see lumo::TracksToShow).
  int TracksToShow() const;
  // Calls `visit(row, name)` for tracks 0 .. TracksToShow() - 1, "?" for
  // those without a name, which are never stored.
  template <typename Visit>
  void ForEachTrack(Visit&& visit) const {
    ForEachTrackName(named_, TracksToShow(), visit);
  }

 private:
  std::optional<std::string_view> artist_;
  std::optional<std::string_view> title_;
  int32_t declaredTracks_ = 0;
  std::vector<NamedTrack> named_;  // reused from one section to the next
};

}  // namespace lumo
