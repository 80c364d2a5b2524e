#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_item.h"

// Order of tree labels: letter case ignored (Windows-1252 folding), ties
// broken by plain byte order. Negative, zero or positive like strcmp.
int CompareTreeLabels(std::string_view a, std::string_view b) noexcept;

// One node of the catalogue tree: a label, the record it owns (may be null)
// and the children it owns. A TreeItem* stays valid until the item itself is
// removed, so it serves as the item's handle; moving siblings around never
// invalidates it.
class TreeItem {
 public:
  TreeItem(std::string label, std::unique_ptr<CatalogueItem> record, TreeItem* parent);
  TreeItem(const TreeItem&) = delete;
  TreeItem& operator=(const TreeItem&) = delete;
  ~TreeItem();

  const std::string& Label() const noexcept { return label_; }
  void SetLabel(std::string label) { label_ = std::move(label); }

  // The owned record, or null. Freed together with this item.
  CatalogueItem* Record() const noexcept { return record_.get(); }

  // Null only for the invisible root that holds the top-level items.
  TreeItem* Parent() const noexcept { return parent_; }

  int ChildCount() const noexcept { return static_cast<int>(children_.size()); }
  bool HasChildren() const noexcept { return !children_.empty(); }
  // The child at `row`, or null when `row` is out of range.
  TreeItem* Child(int row) const noexcept;
  // Position among the parent's children (0 for the root); kept up to date
  // by every insertion, removal and sort.
  int Row() const noexcept { return row_; }
  TreeItem* NextSibling() const noexcept;

  // The row at which a child labelled `label` goes in sorted order: after
  // every child that compares less or equal, so equal labels keep the order
  // in which they were inserted.
  int SortedRowFor(std::string_view label) const noexcept;

  // Takes ownership of `child` and puts it at `row` (clamped to 0..count).
  TreeItem* InsertChild(int row, std::unique_ptr<TreeItem> child);
  // Hands back the child at `row` (which must exist) detached from this item.
  std::unique_ptr<TreeItem> TakeChild(int row);
  // Removes and frees all children with their subtrees.
  void ClearChildren() noexcept;
  // Reorders the children by label (CompareTreeLabels), keeping the order of
  // equal labels. Grandchildren are not touched.
  void SortChildren();

  // This item and all of its descendants.
  int SubtreeSize() const noexcept;

 private:
  void RenumberFrom(std::size_t first) noexcept;

  std::string label_;
  std::unique_ptr<CatalogueItem> record_;
  std::vector<std::unique_ptr<TreeItem>> children_;
  TreeItem* parent_;
  int row_ = 0;
};
