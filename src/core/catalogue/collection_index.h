#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/collection_walk.h"
#include "core/ini/ini_document.h"

namespace lumo {

// The albums of a document in the order the main window shows them after a
// load (artists by name, each artist's albums by title, equal titles in the
// document's enumeration order), found without making a tree item for each:
// an album takes 28 bytes, and its tracks are read from its section when
// they are wanted. Memory thus follows the number of sections, whatever they
// say about their tracks. Two albums with the same artist and title are
// duplicates: each later one (in enumeration order) is left out, or kept
// when the question given says so.
class CollectionIndex {
 public:
  // Asked, in enumeration order, for each album whose artist and title an
  // earlier one has: true leaves it out.
  using DuplicateQuestion = std::function<bool(std::string_view artist, std::string_view title)>;

  // Reads the albums of `document`, which must stay as it is while this lives
  // (the texts it hands out live as long as this). Without a question every
  // duplicate is left out. `progress` gets the percentage of sections read,
  // rising, ending at 100.
  // Told of each album left out, in enumeration order: where the kept album
  // of the same artist and title stands, and where the one left out stands.
  using LeftOutNote = std::function<void(IniDocument::Position kept, IniDocument::Position leftOut)>;

  explicit CollectionIndex(const IniDocument& document, const DuplicateQuestion& leaveOut = {},
                           const std::function<void(int percent)>& progress = {},
                           const LeftOutNote& leftOut = {});

  const CatalogueCounts& Counts() const { return counts_; }
  int64_t DuplicatesLeftOut() const { return duplicatesLeftOut_; }

  // Calls `visit(name, first, count, tracks)` for each artist in order: its
  // albums are first .. first + count - 1, and show `tracks` tracks in all.
  void ForEachArtist(const std::function<void(std::string_view name, std::size_t first, int count,
                                              uint32_t tracks)>& visit) const;
  std::string_view Title(std::size_t album) const { return View(albums_[album].title); }
  // Where the album's section stood in the document.
  IniDocument::Position Section(std::size_t album) const { return albums_[album].section; }

  // Meets every artist, album and track in order; tracks are read from the
  // document.
  void Walk(CollectionVisitor& visitor) const;
  // The same as a walk to hand on; this index must outlive it.
  CollectionWalk AsWalk() const {
    return [this](CollectionVisitor& visitor) { Walk(visitor); };
  }
  // The same order with what the sections hold (RecordVisitor).
  void WalkRecords(RecordVisitor& visitor) const;
  RecordWalk AsRecordWalk() const {
    return [this](RecordVisitor& visitor) { WalkRecords(visitor); };
  }

 private:
  // A text in the loaded bytes, or past their end in `copies_`.
  struct Text {
    uint32_t at = 0;
    uint32_t size = 0;
  };
  struct Album {
    Text artist;
    Text title;
    IniDocument::Position section;
    uint32_t order = 0;   // in the document's enumeration
    uint16_t tracks = 0;  // shown (at most kMaxTracks)
  };

  void Add(IniDocument::Position at, const IniSection& section);
  void Sort();
  void LeaveOutDuplicates(const DuplicateQuestion& leaveOut, const LeftOutNote& note);
  bool SameAlbum(const Album& a, const Album& b) const;
  Text Keep(std::string_view text);
  std::string_view View(Text text) const;

  const IniDocument& document_;
  std::shared_ptr<const std::string> loaded_;
  std::string copies_;  // texts of sections changed since the load
  std::deque<Album> albums_;  // in blocks: growing never copies them all
  CatalogueCounts counts_;
  int64_t duplicatesLeftOut_ = 0;
};

}  // namespace lumo
