#include "core/catalogue/album_section.h"

#include <algorithm>

#include "core/catalogue/catalogue_build.h"
#include "core/ini/ini_section.h"
#include "core/platform/ini_number.h"

namespace lumo {
namespace {

// The first track that would be the 100th without a name: up to it, no more
// than 99 tracks lack one. `named` is ascending and without repeats.
int FirstTrackPastUnnamedLimit(const std::vector<NamedTrack>& named) {
  for (std::size_t j = 0; j < named.size(); ++j) {
    const int unnamedBefore = named[j].first - static_cast<int>(j);
    if (unnamedBefore > kMaxUnnamedTracks) return kMaxUnnamedTracks + static_cast<int>(j);
  }
  return kMaxUnnamedTracks + static_cast<int>(named.size());
}

}  // namespace

void AlbumSection::Read(const IniSection& section) {
  artist_.reset();
  title_.reset();
  declaredTracks_ = 0;
  named_.clear();
  section.ForEachAssignment([this](std::string_view key, std::string_view value) {
    if (const std::optional<int> number = TrackNumberOfKey(key)) {
      named_.emplace_back(*number, value);
    } else if (key == "artist") {
      artist_ = value;
    } else if (key == "title") {
      title_ = value;
    } else if (key == "numtracks") {
      declaredTracks_ = ini::ReadDecimal(value);
    }
  });
  // A key may come more than once: its last value is the one that holds.
  KeepLastOfEachTrack(named_);
}

int AlbumSection::TracksToShow() const {
  if (declaredTracks_ <= 0) return 0;
  const int justified = std::max(kMaxUnnamedTracks, named_.empty() ? 0 : named_.back().first + 1);
  return std::min({declaredTracks_, justified, FirstTrackPastUnnamedLimit(named_), kMaxTracks});
}

}  // namespace lumo
