#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/catalogue/tree_item.h"

namespace lumo {

// A track's key number and its name.
using NamedTrack = std::pair<int, std::string_view>;

// The track number a key stands for, when the key is one that a track is
// read from ("0", "1", ... as std::to_string writes them) and can be shown.
std::optional<int> TrackNumberOfKey(std::string_view key);

// Puts `named` in ascending order of number and keeps one name per number:
// the one that came last, as a key that comes twice holds its last value.
void KeepLastOfEachTrack(std::vector<NamedTrack>& named);

// What a track without a name shows.
inline constexpr char kUnnamedTrack[] = "?";

// Calls `visit(row, name)` for rows 0 .. count - 1: the name `named`
// (ascending, one per number) holds for the row, else "?", which is never
// stored anywhere.
template <typename Visit>
void ForEachTrackName(const std::vector<NamedTrack>& named, int count, Visit&& visit) {
  auto next = named.begin();
  for (int row = 0; row < count; ++row) {
    const bool hasName = next != named.end() && next->first == row;
    visit(row, hasName ? (next++)->second : std::string_view(kUnnamedTrack));
  }
}

// Makes an album's track items when they are first needed, from the lines of
// its section in the loaded file, which it keeps: an album that is never
// opened never costs an item per track. A track without a name costs
// nothing at all until it is made: its "?" is never stored.
class TrackMaker final : public ChildMaker {
 public:
  // `loaded` may be null (a document that holds no loaded file).
  explicit TrackMaker(std::shared_ptr<const std::string> loaded);

  // Where the names in `named` (the values a section holds for its track
  // keys) can be read again, when they can: every name lies in the loaded
  // bytes, and the whole lines from the first to the last hold no section
  // header, so that nothing but this section's lines is read. None otherwise:
  // the section was changed since the load, or its header comes twice with
  // tracks under both.
  std::optional<uint64_t> TokenFor(const std::vector<NamedTrack>& named) const;
  // A token for names that cannot be read again from the file: a copy of
  // the list (ascending, one name per number), whose texts must live as
  // long as this maker. Only the named tracks take room.
  uint64_t Keep(const std::vector<NamedTrack>& named);

  // Tracks 0 .. count - 1 of the album, each named by the last line of the
  // token's lines that assigns its key, or "?".
  std::vector<std::unique_ptr<TreeItem>> MakeChildren(const TreeItem& album, int count,
                                                      uint64_t token) const override;
  void ForEachChildText(const TreeItem& album, int count, uint64_t token,
                        const std::function<void(int row, std::string_view text)>& visit) const override;

 private:
  // The named tracks below `count` of a token, ascending, one name each.
  std::vector<NamedTrack> NamedTracks(int count, uint64_t token) const;

  std::shared_ptr<const std::string> loaded_;
  std::string_view text_;  // what text mode reads of it: up to a Ctrl-Z
  std::vector<NamedTrack> kept_;  // the lists handed to Keep, one after another
};

}  // namespace lumo
