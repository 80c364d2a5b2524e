#include "catalogue/collection_tree.h"

#include <memory>
#include <utility>

namespace lumo {

void CollectionTree::Build(const IniDocument& document) {
  root_.ClearChildren();
  duplicatesLeftOut_ = 0;
  counts_ = BuildCatalogue(document, *this);
  root_.PlaceAppended();
  for (int i = 0; i < root_.ChildCount(); ++i) root_.Child(i)->SortChildren();
}

TreeItem* CollectionTree::AddArtist(const CatalogueItem& artist) {
  return root_.AppendForSorting(std::make_unique<TreeItem>(std::optional<CatalogueItem>(artist), std::string_view(), nullptr));
}

TreeItem* CollectionTree::AddLast(TreeItem* parent, CatalogueItem record, std::string_view label) {
  return parent->InsertChild(parent->ChildCount(),
                             std::make_unique<TreeItem>(std::optional<CatalogueItem>(std::move(record)), label, nullptr));
}

bool CollectionTree::LeaveOutDuplicate(const std::string&, const std::string&) {
  ++duplicatesLeftOut_;
  return true;
}

}  // namespace lumo
