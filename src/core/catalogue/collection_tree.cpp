#include "core/catalogue/collection_tree.h"

#include <memory>
#include <utility>

namespace lumo {

void CollectionTree::Build(const IniDocument& document) {
  root_.ClearChildren();
  texts_.clear();
  duplicatesLeftOut_ = 0;
  counts_ = BuildCatalogue(document, *this);
  root_.PlaceAppended();
  SortAlbums(root_);
}

void CollectionTree::KeepTexts(std::shared_ptr<const void> texts) { texts_.push_back(std::move(texts)); }

TreeItem* CollectionTree::AddArtist(const RecordView& artist, const PendingChildren& albums) {
  return root_.AppendForSorting(std::make_unique<TreeItem>(artist, nullptr, albums));
}

bool CollectionTree::LeaveOutDuplicate(std::string_view, std::string_view) {
  ++duplicatesLeftOut_;
  return true;
}

}  // namespace lumo
