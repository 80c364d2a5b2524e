#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue_texts.h"
#include "core/catalogue/collection_index.h"
#include "core/catalogue/track_maker.h"
#include "core/catalogue/tree_item.h"

namespace lumo {

class AlbumSection;
class IniDocument;

// Makes an artist's album items when they are first needed, from the albums
// of a CollectionIndex, in label order; each album's tracks are left to a
// TrackMaker in turn. A collection whose artists are never opened costs no
// item per album. The token of an artist's albums is the index of its first.
//
// Albums are made from the document as it stands; should it have loaded
// another file since, or be gone (the items are about to go too), an album
// is made from its title alone.
class AlbumMaker final : public ChildMaker {
 public:
  AlbumMaker(const IniDocument& document, std::shared_ptr<const CollectionIndex> index);

  std::vector<std::unique_ptr<TreeItem>> MakeChildren(const TreeItem& artist, int count,
                                                      uint64_t token) const override;
  void ForEachChildText(const TreeItem& artist, int count, uint64_t token,
                        const std::function<void(int row, std::string_view text)>& visit) const override;
  bool InLabelOrder() const override { return true; }

 private:
  std::unique_ptr<TreeItem> MakeAlbum(std::size_t album, AlbumSection& section) const;
  // The tracks of an album read from its section, to be made when first
  // shown: read again from the loaded file where they can be, else from a
  // list of the named ones.
  PendingChildren PendingTracks(const AlbumSection& album) const;

  const IniDocument& document_;  // read only while `file_` says it holds its sections
  std::shared_ptr<const LoadedFileBytes> file_;  // the document's file when the index was made
  std::shared_ptr<const CollectionIndex> index_;
  // Made items refer to texts kept here, and to their tracks' maker.
  mutable CatalogueTexts texts_;
  mutable TrackMaker tracks_;
  mutable std::vector<NamedTrack> keptNames_;  // reused
};

}  // namespace lumo
