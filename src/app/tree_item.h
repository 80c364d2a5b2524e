#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
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

// Labels longer than this many characters are shown cut short: laying out
// megabytes of text for one row would freeze the window. Records, edits,
// reports and the file always keep the whole name.
inline constexpr std::size_t kDisplayLabelLimit = 4096;

// The label as shown: whole up to kDisplayLabelLimit characters, otherwise
// its first kDisplayLabelLimit characters and an ellipsis (Windows-1252 0x85).
std::string ShortenedForDisplay(LabelView label);

// One node of the catalogue tree: a label, the record it owns (may be null)
// and the children it owns. A TreeItem* stays valid until the item itself is
// removed, so it serves as the item's handle; moving siblings around never
// invalidates it.
//
// Children may be added for sorting later (AppendForSorting): many sorted
// insertions then cost one sort instead of shifting and renumbering the
// siblings each time.
//
// A label that ends with the record's text (an artist's or album's name, a
// track's "%2d. %s") stores only what comes before it and follows the text:
// a large collection would otherwise hold every name twice. Whoever changes a
// record's text therefore sets the label again as well, as every rename does.
class TreeItem {
 public:
  TreeItem(std::string_view label, std::unique_ptr<CatalogueItem> record, TreeItem* parent);
  // The record is kept inside the item, one allocation for both. An empty
  // `label` stands for the record's text; a given one must not point into
  // `record`.
  TreeItem(std::optional<CatalogueItem> record, std::string_view label, TreeItem* parent);
  TreeItem(const TreeItem&) = delete;
  TreeItem& operator=(const TreeItem&) = delete;
  ~TreeItem();

  std::string Label() const;
  LabelView LabelParts() const noexcept;
  // Children of the parent awaiting their sorted place get it first, so the
  // new label does not move this item.
  void SetLabel(std::string_view label);

  // The owned record, or null. Freed together with this item.
  CatalogueItem* Record() const noexcept { return record_ ? &*record_ : nullptr; }

  // Null only for the invisible root that holds the top-level items.
  TreeItem* Parent() const noexcept { return parent_; }

  int ChildCount() const noexcept { return children_ ? static_cast<int>(children_->items.size()) : 0; }
  bool HasChildren() const noexcept { return ChildCount() > 0; }
  // The child at `row`, or null when `row` is out of range.
  TreeItem* Child(int row) const noexcept;
  // Position among the parent's children (0 for the root); kept up to date
  // by every insertion, removal and sort.
  int Row() const noexcept { return row_; }
  TreeItem* NextSibling() const noexcept;

  // The row at which a child labelled `label` goes in sorted order: after
  // every child that compares less or equal, so equal labels keep the order
  // in which they were inserted. Places children appended for sorting first.
  int SortedRowFor(std::string_view label);

  // Takes ownership of `child` and puts it at `row` (clamped to 0..count),
  // after placing children appended for sorting.
  TreeItem* InsertChild(int row, std::unique_ptr<TreeItem> child);
  // Takes ownership of `child` and appends it; PlaceAppended() later moves it
  // to the row SortedRowFor would have given it. Until then such children
  // stand at the end in the order they came, and Row() says so.
  TreeItem* AppendForSorting(std::unique_ptr<TreeItem> child);
  // True while children added by AppendForSorting wait for their place.
  bool HasUnplacedChildren() const noexcept;
  // Moves the waiting children to their sorted rows, in n log n: each as if
  // inserted in turn by SortedRowFor, provided the others were in order.
  void PlaceAppended();
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
  struct Children {
    std::vector<std::unique_ptr<TreeItem>> items;
    std::size_t unplacedFrom = SIZE_MAX;  // first child appended for sorting, if any
  };
  void AssignLabel(std::string_view label);
  void RenumberFrom(std::size_t first) noexcept;

  // Edited through a const item, as the separate record it once was; kept
  // inside because a large collection has hundreds of thousands of items.
  mutable std::optional<CatalogueItem> record_;
  std::unique_ptr<Children> children_;  // made with the first child: most items are leaves
  TreeItem* parent_;
  std::string label_;  // the whole label, or only its part before the record's text
  int row_ = 0;
  bool labelEndsWithText_ = false;
};
