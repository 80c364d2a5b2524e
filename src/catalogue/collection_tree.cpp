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
  return root_.AppendForSorting(std::make_unique<TreeItem>(artist.text, std::make_unique<CatalogueItem>(artist), nullptr));
}

TreeItem* CollectionTree::AddLast(TreeItem* parent, CatalogueItem record, std::string_view label) {
  auto owned = std::make_unique<CatalogueItem>(std::move(record));
  const std::string_view shown = label.empty() ? std::string_view(owned->text) : label;
  return parent->InsertChild(parent->ChildCount(), std::make_unique<TreeItem>(shown, std::move(owned), nullptr));
}

bool CollectionTree::LeaveOutDuplicate(const std::string&, const std::string&) {
  ++duplicatesLeftOut_;
  return true;
}

}  // namespace lumo
