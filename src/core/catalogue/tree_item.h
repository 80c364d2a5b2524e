#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/catalogue_item.h"

namespace lumo {

// A label as one or two pieces of text, read as `head` followed by `tail`.
struct LabelView {
  std::string_view head;
  std::string_view tail;

  std::size_t size() const noexcept { return head.size() + tail.size(); }
  char operator[](std::size_t i) const noexcept {
    return i < head.size() ? head[i] : tail[i - head.size()];
  }
};

// Order of tree labels: letter case ignored (the collection code page's
// FoldKey), ties broken by plain byte order. Negative, zero or positive like strcmp.
int CompareTreeLabels(LabelView a, LabelView b) noexcept;
inline int CompareTreeLabels(std::string_view a, std::string_view b) noexcept {
  return CompareTreeLabels(LabelView{a, {}}, LabelView{b, {}});
}
// A number that orders labels as CompareTreeLabels does, as far as their
// first characters go: a smaller number means a smaller label; equal
// numbers leave it to CompareTreeLabels.
uint64_t TreeLabelPrefix(LabelView label);

// Labels longer than this many characters are shown cut short: laying out
// megabytes of text for one row would freeze the window. Records, edits,
// reports and the file always keep the whole name.
inline constexpr std::size_t kDisplayLabelLimit = 4096;

// The label as shown: whole up to kDisplayLabelLimit characters, otherwise
// its first kDisplayLabelLimit bytes (never half a character) and an ellipsis
// in the collection's code page.
std::string ShortenedForDisplay(LabelView label);

class TreeItem;
// Puts the albums of each artist below `root` in label order: the order the
// window and the reports show. Artists and tracks stay where they are.
void SortAlbums(TreeItem& root);

// What a lean item stands for: the record's fields, with texts that are
// not copied. Whoever makes such an item keeps the texts alive for as long
// as the item lives.
struct RecordView {
  ItemKind kind = ItemKind::Artist;
  std::string_view text;
  std::string_view cdKey;
  int16_t trackIndex = 0;
};

// "%2d. " of the track's number counted from 1, as a track's label begins;
// empty for an index outside 0 .. lumo::kMaxTracks - 1.
std::string_view TrackPrefix(int16_t trackIndex) noexcept;

class TreeItem;

// Makes an item's children when they are first needed (see PendingChildren).
class ChildMaker {
 public:
  virtual ~ChildMaker() = default;
  // Exactly `count` new children for `parent`, in row order, from `token`,
  // which says where to find what they stand for.
  virtual std::vector<std::unique_ptr<TreeItem>> MakeChildren(const TreeItem& parent, int count,
                                                              uint64_t token) const = 0;
  // Calls `visit(row, text)` with the text of each of those children in row
  // order, without making them or keeping their texts anywhere.
  virtual void ForEachChildText(const TreeItem& parent, int count, uint64_t token,
                                const std::function<void(int row, std::string_view text)>& visit) const = 0;
  // True when the children come in label order, so that sorting them needs
  // not make them.
  virtual bool InLabelOrder() const { return false; }
};

// Children an item is given without making them yet: they are counted
// (ChildCount, SubtreeSize) but take no memory until one of them is asked
// for or the children are changed. A large collection's tracks are most of
// its items, and most are never shown.
struct PendingChildren {
  const ChildMaker* maker = nullptr;  // must outlive the item
  uint64_t token = 0;
  int count = 0;
  // The items the children will have below them, counted as well (an
  // artist's albums' tracks); wide enough for any loadable file.
  uint32_t below = 0;
};

// One node of the catalogue tree: a label, the record it stands for (may be
// none) and the children it owns. A TreeItem* stays valid until the item
// itself is removed, so it serves as the item's handle; moving siblings
// around never invalidates it.
//
// A large collection has hundreds of thousands of items, so an item is
// small: a lean item (made from a RecordView) refers to its texts instead of
// copying them, and its label is made when asked for: an artist's or album's
// name, a track's "%2d. %s". The record as a CatalogueItem of its own is
// made only when somebody asks for it (Record()), and from then on it is the
// item's record: what is changed there is what the item shows.
//
// Children may be added for sorting later (AppendForSorting): many sorted
// insertions then cost one sort instead of shifting and renumbering the
// siblings each time.
//
// A label that ends with the record's text follows the text. Whoever
// changes a record's text therefore sets the label again as well, as every
// rename does.
class TreeItem {
 public:
  TreeItem(std::string_view label, std::unique_ptr<CatalogueItem> record, TreeItem* parent);
  // An item with a record of its own, or none. An empty `label` stands for
  // the record's text.
  TreeItem(std::optional<CatalogueItem> record, std::string_view label, TreeItem* parent);
  // A lean item, labelled as the catalogue labels its kind, with children
  // still to be made, if any.
  TreeItem(const RecordView& record, TreeItem* parent, const PendingChildren& pending = {});
  TreeItem(const TreeItem&) = delete;
  TreeItem& operator=(const TreeItem&) = delete;
  ~TreeItem();

  std::string Label() const;
  LabelView LabelParts() const noexcept;
  // Children of the parent awaiting their sorted place get it first, so the
  // new label does not move this item.
  void SetLabel(std::string_view label);

  // The item's record, or null; made on the first call for a lean item.
  // Freed together with this item.
  CatalogueItem* Record() const;
  // The record's fields without making it: for walks over many items.
  bool HasRecord() const noexcept { return hasRecord_; }
  ItemKind Kind() const noexcept;
  std::string_view Text() const noexcept;
  std::string_view CdKey() const noexcept;
  // The CD key the item was made with (not its record's, which can change):
  // what its children made later refer to.
  std::string_view MadeWithCdKey() const noexcept { return {cdKey_, cdKeySize_}; }
  int16_t TrackIndex() const noexcept;

  // Null only for the invisible root that holds the top-level items.
  TreeItem* Parent() const noexcept { return parent_; }

  // Children counted but not made yet, and their texts, read without making them.
  bool HasPendingChildren() const noexcept { return children_ && children_->pending.count > 0; }
  std::vector<std::string_view> PendingChildTexts() const;
  // Calls `visit(row, text)` for each child not made yet, in row order, keeping nothing.
  void ForEachPendingChildText(const std::function<void(int row, std::string_view text)>& visit) const;

  int ChildCount() const noexcept {
    return children_ ? static_cast<int>(children_->items.size()) + children_->pending.count : 0;
  }
  bool HasChildren() const noexcept { return ChildCount() > 0; }
  // The child at `row`, or null when `row` is out of range. Makes pending
  // children first.
  TreeItem* Child(int row) const;
  // Position among the parent's children (0 for the root); kept up to date
  // by every insertion, removal and sort.
  int Row() const noexcept { return row_; }
  TreeItem* NextSibling() const;

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
  // 64-bit: children not made yet cost no memory, so nothing else bounds the count.
  int64_t SubtreeSize() const noexcept;

 private:
  struct Children {
    std::vector<std::unique_ptr<TreeItem>> items;
    std::size_t unplacedFrom = SIZE_MAX;  // first child appended for sorting, if any
    PendingChildren pending;               // only while `items` is empty
  };
  // What few items have: a record of their own, a label of their own.
  struct Extra {
    std::optional<CatalogueItem> record;
    std::string label;  // the whole label, or its part before the text (LabelMode)
  };
  enum class LabelMode : uint8_t { Text, TrackNumber, HeadThenText, Whole };

  Extra& Extras() const;
  void MakePending() const;
  void AssignLabel(std::string_view label);
  void RenumberFrom(std::size_t first) noexcept;

  TreeItem* parent_;
  std::unique_ptr<Children> children_;  // made with the first child: most items are leaves
  mutable std::unique_ptr<Extra> extra_;
  // A lean record's texts, until Record() makes a record of its own.
  const char* text_ = nullptr;
  const char* cdKey_ = nullptr;
  uint32_t textSize_ = 0;
  uint32_t cdKeySize_ = 0;
  int row_ = 0;
  int16_t trackIndex_ = 0;
  ItemKind kind_ = ItemKind::Artist;
  // Packed into one byte, so that an item takes 56 bytes (a 64-byte block).
  bool hasRecord_ : 1 = false;
  LabelMode labelMode_ : 2 = LabelMode::Whole;
};

}  // namespace lumo
