#pragma once

#include <QAbstractItemModel>

#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"

namespace lumo {

// A one-column, read-only item model over a tree of TreeItems. Labels are
// bytes in the collection's code page, shown as Unicode. An index's internal pointer is its
// TreeItem, so a TreeItem* found from an index stays valid until the item is
// removed through this model.
//
// Outside a bulk update every change is announced with the usual
// begin/end signals. Inside one (BeginBulkUpdate .. EndBulkUpdate) nothing is
// announced, the model looks empty to anyone who asks, and the end is a model
// reset: views forget their selection and expansion.
class TreeModel : public QAbstractItemModel {
  Q_OBJECT

 public:
  explicit TreeModel(QObject* parent = nullptr);
  ~TreeModel() override;

  QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
  QModelIndex parent(const QModelIndex& child) const override;
  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  bool hasChildren(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // The invisible item whose children are the top-level items.
  TreeItem* Root() const noexcept { return root_.get(); }
  // The item of a valid index, or null.
  TreeItem* ItemAt(const QModelIndex& index) const noexcept;
  // The index of an item of this model; invalid for null or the root.
  QModelIndex IndexOf(const TreeItem* item) const;
  // True when `item` is the root or one of its descendants.
  bool Contains(const TreeItem* item) const noexcept;
  // Number of items, the root not included.
  int64_t Count() const noexcept { return count_; }

  // Inserts `item` (new, without made children) under `parent` (null: the
  // root) at `row` (clamped) and returns it. `parent` must belong to this model.
  TreeItem* InsertLeaf(TreeItem* parent, int row, std::unique_ptr<TreeItem> item);
  // Inserts `item` under `parent` (null: the root) after every child whose
  // label sorts before or equal to its label. Inside a bulk update it stands
  // last until the update ends or its siblings change otherwise.
  TreeItem* InsertSorted(TreeItem* parent, std::unique_ptr<TreeItem> item);
  // Takes a share in texts that lean items of this model refer to, until RemoveAll.
  void KeepTexts(std::shared_ptr<const void> texts) { texts_.push_back(std::move(texts)); }
  // Lets go of them; only while no item is left.
  void ReleaseTexts() noexcept { texts_.clear(); }
  // Removes and frees `item` (not the root) with all its descendants.
  void Remove(TreeItem* item);
  // Removes and frees every child of `parent` (null: the root) with their subtrees.
  void RemoveChildren(TreeItem* parent);
  // Removes everything with one reset.
  void RemoveAll();
  void SetLabel(TreeItem* item, std::string_view label);
  // Sorts the children of `parent` (null: the root) by label, as one layout change.
  void SortChildren(TreeItem* parent);
  // Each artist's albums in label order (SortAlbums of tree_item.h).
  void SortAlbums();

  // Nested calls are counted; only the outermost pair resets the model.
  void BeginBulkUpdate();
  void EndBulkUpdate();
  bool InBulkUpdate() const noexcept { return bulkDepth_ > 0; }

 private:
  // Runs `reorder`, which moves rows among their siblings, as one layout change.
  void Reorder(const std::function<void()>& reorder);
  TreeItem* OrRoot(TreeItem* item) const noexcept { return item ? item : root_.get(); }
  void PlaceSortedInsertions();

  std::vector<std::shared_ptr<const void>> texts_;  // before root_: outlives the items
  std::unique_ptr<TreeItem> root_;
  std::vector<TreeItem*> awaitingPlaces_;  // items with children inserted sorted in this bulk update
  int64_t count_ = 0;
  int bulkDepth_ = 0;
};

}  // namespace lumo
