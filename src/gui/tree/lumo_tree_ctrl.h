#pragma once

#include <QTreeView>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "core/catalogue/display_level.h"
#include "core/catalogue/tree_item.h"

namespace lumo {

class TreeModel;

// Where a new item goes among its siblings: in label order or at the end.
enum class InsertAt { Sort, Last };

// Which part of a row a point is on, with the tree view's customary values.
enum class TreeHit : uint32_t {
  Nowhere = 0x01,       // no row there (below the last item, outside the view)
  OnItemLabel = 0x04,   // on the item's text
  OnItemIndent = 0x08,  // left of the item's button column, or a childless item's button column
  OnItemButton = 0x10,  // in the expand/collapse column of an item with children
  OnItemRight = 0x20,   // in the row, right of the text
};

struct TreeHitTest {
  TreeItem* item = nullptr;
  TreeHit where = TreeHit::Nowhere;
};

// The catalogue tree: artists, their albums, the albums' tracks, shown
// through TreeModel over the core's TreeItems. Items are lean: their texts
// are views into the loaded file, and an item makes its own CatalogueItem
// record only when first asked for it; removing an item frees that record
// and its whole subtree, so no record ever outlives its item. Item handles
// (TreeItem*) stay valid until their item is removed.
//
// Notifications go out as signals; expansion done by this class's own
// operations is never reported as the user's.
class LumoTreeCtrl : public QTreeView {
  Q_OBJECT

 public:
  explicit LumoTreeCtrl(QWidget* parent = nullptr);
  ~LumoTreeCtrl() override;

  // Inserts an item labelled record.text with its own copy of `record` under
  // `parent` (null: top level) and returns it; null when `parent` is not an
  // item of this tree. Inside a bulk update a sorted insertion takes its
  // place only when the update ends.
  TreeItem* InsertItemWithData(const CatalogueItem& record, TreeItem* parent, InsertAt where);
  // A lean item (see TreeItem) for `record` under `parent`, labelled as the
  // catalogue labels its kind, with `pending` children; null when `parent`
  // is not an item of this tree. Its texts must be kept alive by KeepTexts.
  TreeItem* InsertLeanItem(const RecordView& record, TreeItem* parent, InsertAt where,
                           const PendingChildren& pending = {});
  // Keeps texts that lean items refer to until the tree is emptied.
  void KeepTexts(std::shared_ptr<const void> texts);
  // The item's record, or null (no item, or an item without one).
  CatalogueItem* GetItemRecord(TreeItem* item) const;
  // Removes the item with its descendants and their records. False for null
  // or an item not in this tree.
  bool DeleteItemWithData(TreeItem* item);
  // Removes every child of `item` (null: every top-level item) with their
  // subtrees and records. False when `item` is not in this tree.
  bool DeleteChildrenWithData(TreeItem* item);
  // Empties the tree. False when it was already empty.
  bool DeleteAllWithData();

  void SetItemText(TreeItem* item, const std::string& label);
  // The label's bytes; empty for null.
  std::string GetItemText(TreeItem* item) const;
  // Number of items in the tree.
  int64_t GetCount() const;

  // Navigation. Null wherever there is no such item; GetChildItem(nullptr)
  // is the first top-level item, and GetParentItem of a top-level item is null.
  TreeItem* GetRootItem() const;
  TreeItem* GetChildItem(TreeItem* item) const;
  TreeItem* GetNextSiblingItem(TreeItem* item) const;
  TreeItem* GetParentItem(TreeItem* item) const;
  // The caret item, or null.
  TreeItem* GetSelectedItem() const;
  // Makes `item` the caret item (null clears it). False for an item not in this tree.
  bool SelectItem(TreeItem* item);
  // The item in the top row of the view, or null.
  TreeItem* GetFirstVisibleItem() const;

  // Expands or collapses one item; not reported as the user's doing.
  bool Expand(TreeItem* item, bool expand);
  bool IsExpanded(TreeItem* item) const;
  // Sorts the item's children (null: the top level) by label; grandchildren stay put.
  void SortChildren(TreeItem* item);
  // Scrolls so that `item` is the top row, as far as the scroll range allows.
  void ScrollToTop(TreeItem* item);
  // Expands the items above `item` (not as the user's doing) and scrolls it
  // into view.
  void EnsureVisible(TreeItem* item);

  // Rows the All level may open at most: beyond them the view would take
  // minutes and gigabytes to lay them out.
  static constexpr int64_t kMaxAllLevelRows = 1'000'000;
  // True when the All level opens no more than kMaxAllLevelRows rows.
  bool CanShowAll() const { return GetCount() <= kMaxAllLevelRows; }

  // Optionally sorts each artist's albums, expands or collapses for `level`
  // (Custom leaves expansion alone) and scrolls the selected item, or the
  // album or artist standing for it at this level, to the top. Never selects.
  void ApplyDisplayLevel(DisplayLevel level, bool sort);

  TreeHitTest HitTest(QPoint viewportPos) const;

  // Many inserts or removals without a signal each; see TreeModel.
  void BeginBulkUpdate();
  void EndBulkUpdate();
  class BulkUpdate {
   public:
    explicit BulkUpdate(LumoTreeCtrl& tree) : tree_(tree) { tree_.BeginBulkUpdate(); }
    ~BulkUpdate() { tree_.EndBulkUpdate(); }
    BulkUpdate(const BulkUpdate&) = delete;
    BulkUpdate& operator=(const BulkUpdate&) = delete;

   private:
    LumoTreeCtrl& tree_;
  };

  TreeModel* Model() const { return model_; }

 signals:
  void selectionChangedTo(TreeItem* item);
  void itemExpandedByUser(TreeItem* item, bool expanded);
  void rightClicked(QPoint viewportPos);
  void keyDown(int key);

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  class Guard;

  TreeItem* Insert(std::unique_ptr<TreeItem> item, TreeItem* parent, InsertAt where);
  void ConnectSignals();
  void OnExpansion(const QModelIndex& index, bool expanded);
  void OnCurrentChanged(const QModelIndex& current);
  TreeItem* RememberedItem(DisplayLevel level) const;
  void SetLevelExpansion(DisplayLevel level);
  int LabelRight(const QModelIndex& index, int cellLeft) const;

  TreeModel* model_;
  TreeItem* reportedSelection_ = nullptr;
  int userInput_ = 0;     // depth of user event handlers running
  int programmatic_ = 0;  // depth of our own expansion work running
};

}  // namespace lumo
