#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue_item.h"

namespace lumo {

class TreeItem;
struct RecordView;
struct PendingChildren;

class IniDocument;
class IniSection;

// What a catalogue build fills: the main window's tree, or bare TreeItems
// where no window is needed. The build only adds artists, each with its
// albums as children still to be made (see PendingChildren). The records'
// texts are views into what KeepTexts hands over, which the tree keeps as
// long as the items.
class CatalogueTree {
 public:
  virtual ~CatalogueTree() = default;
  // Takes a share in the texts of the items added from now on.
  virtual void KeepTexts(std::shared_ptr<const void> texts) = 0;
  // A new top-level lean item for `artist`, in label order among the others
  // (equal labels in the order they came), with `albums` to be made.
  virtual TreeItem* AddArtist(const RecordView& artist, const PendingChildren& albums) = 0;
  // Asked for an album whose artist and title an earlier album has (in the
  // document's enumeration order): true leaves this later album out.
  virtual bool LeaveOutDuplicate(std::string_view artist, std::string_view title) = 0;
};

// Counts of what one build put into the tree; wide enough never to wrap.
struct CatalogueCounts {
  int64_t artists = 0;
  int64_t albums = 0;
};

// Track items per album at most: a track's index must fit a signed 16-bit number.
inline constexpr int kMaxTracks = 32767;
// Tracks an album may show without a name in its section: an audio CD's limit.
inline constexpr int kMaxUnnamedTracks = 99;

// Fills `tree`, which should be empty, from the document's sections: one
// artist item per distinct "artist" text (sections without one, or with
// "<UNKNOWN>", are skipped), under it one album per section that is not a
// duplicate left out, in label order, under each album its tracks
// (TracksToShow), named by their keys or "?". Albums and tracks are made
// when first needed (CollectionIndex, AlbumMaker, TrackMaker), so that a
// large file costs an item per artist only; the document must outlive the
// tree's items. `progress` gets the percentage of sections done, rising,
// ending at 100. Nothing is written to any file.
CatalogueCounts BuildCatalogue(const IniDocument& document, CatalogueTree& tree,
                               const std::function<void(int percent)>& progress = {});

// How many tracks an album section shows: its "numtracks" (none when missing
// or not positive), but no more than the section justifies, so that memory
// follows the file's size rather than the numbers written in it: at most
// kMaxTracks; at most 99 or the highest track key plus one, whichever is
// larger; and never so many that more than 99 of them have no key.
int TracksToShow(const IniSection& section);

// "%2d. %s" of a track's number counted from 1 and its name: the one maker
// of track labels.
std::string TrackLabel(int16_t trackIndex, std::string_view name);
// The label of an item with this record: a track's TrackLabel, else the name.
std::string ItemLabel(const CatalogueItem& record);

}  // namespace lumo
