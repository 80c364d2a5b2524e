#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string_view>

namespace lumo {

// What a walk over the collection meets, in the order the main window shows
// a freshly loaded file: each artist, then that artist's albums, each album
// followed by its tracks. Texts are the names as stored (in the collection's code page) and
// last for the call only.
class CollectionVisitor {
 public:
  virtual ~CollectionVisitor() = default;
  virtual void Artist(std::string_view name) = 0;
  // An album, and how many tracks follow it.
  virtual void Album(std::string_view title, int trackCount) = 0;
  // A track, numbered from 1 as the tree shows it.
  virtual void Track(int16_t number, std::string_view name) = 0;
};

// The number a track shows: its row (or index) counted from 1, and never
// past the largest 16-bit number.
inline int16_t TrackNumber(int row) noexcept { return static_cast<int16_t>(row < INT16_MAX ? row + 1 : INT16_MAX); }

// A walk that can be run again and meets the same each time.
using CollectionWalk = std::function<void(CollectionVisitor& visitor)>;

// The same walk with what the file holds rather than what the tree shows:
// an album's CD key, and no text where the file has none (a title or a
// track without a name).
class RecordVisitor {
 public:
  virtual ~RecordVisitor() = default;
  virtual void Artist(std::string_view name) = 0;
  virtual void Album(std::string_view cdKey, std::optional<std::string_view> title, int trackCount) = 0;
  virtual void Track(std::optional<std::string_view> name) = 0;
};

using RecordWalk = std::function<void(RecordVisitor& visitor)>;

}  // namespace lumo
