#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/catalogue/catalogue_build.h"

namespace lumo {

// The catalogue as bare tree items, for work without a window (reports and
// listings from the command line): ordered as the main window shows a
// freshly loaded file, artists by name, each artist's albums by title,
// tracks in track order. Duplicate albums are left out, the first of each
// kept, as if every question were answered Ok.
class CollectionTree final : public CatalogueTree {
 public:
  // Fills the tree from the document's sections and puts it in order.
  void Build(const IniDocument& document);

  // The invisible item whose children are the artists.
  const TreeItem& Root() const { return root_; }
  const CatalogueCounts& Counts() const { return counts_; }
  int64_t DuplicatesLeftOut() const { return duplicatesLeftOut_; }

  void KeepTexts(std::shared_ptr<const void> texts) override;
  TreeItem* AddArtist(const RecordView& artist, const PendingChildren& albums) override;
  bool LeaveOutDuplicate(std::string_view artist, std::string_view title) override;

 private:
  std::vector<std::shared_ptr<const void>> texts_;  // before root_: outlives the items
  TreeItem root_{"", nullptr, nullptr};
  CatalogueCounts counts_;
  int64_t duplicatesLeftOut_ = 0;
};

}  // namespace lumo
