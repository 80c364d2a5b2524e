#include "gui/tree/tree_model.h"

#include <algorithm>

#include "gui/platform/text_codec.h"

namespace lumo {

TreeModel::TreeModel(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<TreeItem>(std::string_view(), nullptr, nullptr)) {}

TreeModel::~TreeModel() = default;

QModelIndex TreeModel::index(int row, int column, const QModelIndex& parent) const {
  if (InBulkUpdate() || column != 0) return {};
  const TreeItem* parentItem = parent.isValid() ? ItemAt(parent) : root_.get();
  TreeItem* child = parentItem ? parentItem->Child(row) : nullptr;
  return child ? createIndex(row, 0, child) : QModelIndex();
}

QModelIndex TreeModel::parent(const QModelIndex& child) const {
  // During a bulk update an index may point at an item already freed.
  if (InBulkUpdate() || !child.isValid()) return {};
  return IndexOf(ItemAt(child)->Parent());
}

int TreeModel::rowCount(const QModelIndex& parent) const {
  if (InBulkUpdate() || parent.column() > 0) return 0;
  const TreeItem* item = parent.isValid() ? ItemAt(parent) : root_.get();
  return item->ChildCount();
}

int TreeModel::columnCount(const QModelIndex&) const { return 1; }

bool TreeModel::hasChildren(const QModelIndex& parent) const { return rowCount(parent) > 0; }

QVariant TreeModel::data(const QModelIndex& index, int role) const {
  if (InBulkUpdate() || !index.isValid() || role != Qt::DisplayRole) return {};
  return lumo::FromName(ShortenedForDisplay(ItemAt(index)->LabelParts()));
}

Qt::ItemFlags TreeModel::flags(const QModelIndex& index) const {
  if (InBulkUpdate() || !index.isValid()) return Qt::NoItemFlags;
  return Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

TreeItem* TreeModel::ItemAt(const QModelIndex& index) const noexcept {
  return index.isValid() ? static_cast<TreeItem*>(index.internalPointer()) : nullptr;
}

QModelIndex TreeModel::IndexOf(const TreeItem* item) const {
  if (!item || item == root_.get()) return {};
  return createIndex(item->Row(), 0, const_cast<TreeItem*>(item));
}

bool TreeModel::Contains(const TreeItem* item) const noexcept {
  while (item && item->Parent()) item = item->Parent();
  return item == root_.get();
}

TreeItem* TreeModel::InsertLeaf(TreeItem* parent, int row, std::unique_ptr<TreeItem> item) {
  TreeItem* under = OrRoot(parent);
  row = std::clamp(row, 0, under->ChildCount());
  const int64_t size = item->SubtreeSize();  // with children still to be made
  if (!InBulkUpdate()) beginInsertRows(IndexOf(under), row, row);
  TreeItem* inserted = under->InsertChild(row, std::move(item));
  count_ += size;
  if (!InBulkUpdate()) endInsertRows();
  return inserted;
}

TreeItem* TreeModel::InsertSorted(TreeItem* parent, std::unique_ptr<TreeItem> item) {
  TreeItem* under = OrRoot(parent);
  if (!InBulkUpdate()) {
    const int row = under->SortedRowFor(item->Label());
    return InsertLeaf(under, row, std::move(item));
  }
  if (!under->HasUnplacedChildren()) awaitingPlaces_.push_back(under);
  count_ += item->SubtreeSize();
  return under->AppendForSorting(std::move(item));
}

void TreeModel::PlaceSortedInsertions() {
  for (TreeItem* parent : awaitingPlaces_) parent->PlaceAppended();
  awaitingPlaces_.clear();
}

void TreeModel::Remove(TreeItem* item) {
  PlaceSortedInsertions();  // nothing waiting may be freed, and rows must be final
  TreeItem* parent = item->Parent();
  const int row = item->Row();
  const int64_t size = item->SubtreeSize();
  if (!InBulkUpdate()) beginRemoveRows(IndexOf(parent), row, row);
  parent->TakeChild(row);  // the returned owner frees the subtree right here
  count_ -= size;
  if (!InBulkUpdate()) endRemoveRows();
}

void TreeModel::RemoveChildren(TreeItem* parent) {
  TreeItem* under = OrRoot(parent);
  if (!under->HasChildren()) return;
  PlaceSortedInsertions();
  const int64_t size = under->SubtreeSize() - 1;
  if (!InBulkUpdate()) beginRemoveRows(IndexOf(under), 0, under->ChildCount() - 1);
  under->ClearChildren();
  count_ -= size;
  if (!InBulkUpdate()) endRemoveRows();
}

void TreeModel::RemoveAll() {
  BeginBulkUpdate();
  awaitingPlaces_.clear();
  root_->ClearChildren();
  texts_.clear();  // only once no item refers to them
  count_ = 0;
  EndBulkUpdate();
}

void TreeModel::SetLabel(TreeItem* item, std::string_view label) {
  item->SetLabel(label);
  if (InBulkUpdate()) return;
  const QModelIndex at = IndexOf(item);
  emit dataChanged(at, at, {Qt::DisplayRole});
}

void TreeModel::SortChildren(TreeItem* parent) {
  Reorder([this, parent] { OrRoot(parent)->SortChildren(); });
}

void TreeModel::SortAlbums() {
  Reorder([this] { lumo::SortAlbums(*root_); });
}

void TreeModel::Reorder(const std::function<void()>& reorder) {
  if (InBulkUpdate()) {
    reorder();
    return;
  }
  emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
  const QModelIndexList before = persistentIndexList();
  reorder();
  // Items keep their identity, only rows change: re-derive each index.
  QModelIndexList after;
  after.reserve(before.size());
  for (const QModelIndex& index : before) after.append(IndexOf(ItemAt(index)));
  changePersistentIndexList(before, after);
  emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void TreeModel::BeginBulkUpdate() {
  if (bulkDepth_ == 0) beginResetModel();
  ++bulkDepth_;
}

void TreeModel::EndBulkUpdate() {
  if (bulkDepth_ == 0) return;
  if (--bulkDepth_ > 0) return;
  PlaceSortedInsertions();
  endResetModel();
}

}  // namespace lumo
