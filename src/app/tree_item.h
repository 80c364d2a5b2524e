#pragma once

#include <cstddef>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/catalogue_item.h"

// A label as one or two pieces of text, read as `head` followed by `tail`.
struct LabelView {
  std::string_view head;
  std::string_view tail;

  std::size_t size() const noexcept { return head.size() + tail.size(); }
  char operator[](std::size_t i) const noexcept {
    return i < head.size() ? head[i] : tail[i - head.size()];
  }
};

// Order of tree labels: letter case ignored (Windows-1252 folding), ties
// broken by plain byte order. Negative, zero or positive like strcmp.
int CompareTreeLabels(LabelView a, LabelView b) noexcept;
inline int CompareTreeLabels(std::string_view a, std::string_view b) noexcept {
  return CompareTreeLabels(LabelView{a, {}}, LabelView{b, {}});
}

// One node of the catalogue tree: a label, the record it owns (may be null)
// and the children it owns. A TreeItem* stays valid until the item itself is
// removed, so it serves as the item's handle; moving siblings around never
// invalidates it.
//
// A label that ends with the record's text (an artist's or album's name, a
// track's "%2d. %s") stores only what comes before it and follows the text:
// a large collection would otherwise hold every name twice. Whoever changes a
// record's text therefore sets the label again as well, as every rename does.
class TreeItem {
 public:
  TreeItem(std::string_view label, std::unique_ptr<CatalogueItem> record, TreeItem* parent);
  TreeItem(const TreeItem&) = delete;
  TreeItem& operator=(const TreeItem&) = delete;
  ~TreeItem();

  std::string Label() const;
  LabelView LabelParts() const noexcept;
  void SetLabel(std::string_view label);

  // The owned record, or null. Freed together with this item.
  CatalogueItem* Record() const noexcept { return record_.get(); }

  // Null only for the invisible root that holds the top-level items.
  TreeItem* Parent() const noexcept { return parent_; }

  int ChildCount() const noexcept { return children_ ? static_cast<int>(children_->size()) : 0; }
  bool HasChildren() const noexcept { return ChildCount() > 0; }
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
  using Children = std::vector<std::unique_ptr<TreeItem>>;
  void RenumberFrom(std::size_t first) noexcept;

  std::unique_ptr<CatalogueItem> record_;
  std::unique_ptr<Children> children_;  // made with the first child: most items are leaves
  TreeItem* parent_;
  std::string label_;  // the whole label, or only its part before the record's text
  int row_ = 0;
  bool labelEndsWithText_ = false;
};
