#pragma once

#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue/catalogue_build.h"
#include "core/catalogue/collection_walk.h"
#include "core/ini/ini_document.h"

namespace lumo {

// The catalogue without a tree, for work without a window (reports and
// listings from the command line): the albums the window shows after a
// fresh load, in the order it shows them (artists by name, each artist's
// albums by title), the first of each duplicate kept, as if every question
// were answered Ok. An album takes 24 bytes; its tracks are read from its
// section when a walk comes to them, so that memory follows the number of
// sections, whatever they say about their tracks.
class CollectionIndex {
 public:
  // Reads the albums of `document`, which must stay as it is while this lives.
  explicit CollectionIndex(const IniDocument& document);

  const CatalogueCounts& Counts() const { return counts_; }
  int64_t DuplicatesLeftOut() const { return duplicatesLeftOut_; }

  // Meets every artist, album and track in order.
  void Walk(CollectionVisitor& visitor) const;
  // The same as a walk to hand on; this index must outlive it.
  CollectionWalk AsWalk() const {
    return [this](CollectionVisitor& visitor) { Walk(visitor); };
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
    uint32_t order = 0;  // in the document's enumeration
  };

  void Add(IniDocument::Position at, const IniSection& section);
  void SortAndLeaveOutDuplicates();
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
