#include "app/tree_item.h"

#include <algorithm>

#include "platform/text_fold.h"

int CompareTreeLabels(std::string_view a, std::string_view b) noexcept {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const auto fa = static_cast<unsigned char>(lumo::FoldChar(a[i]));
    const auto fb = static_cast<unsigned char>(lumo::FoldChar(b[i]));
    if (fa != fb) return fa < fb ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  // Same letters in another case: a fixed byte order keeps the result total.
  return a.compare(b);
}

TreeItem::TreeItem(std::string label, std::unique_ptr<CatalogueItem> record, TreeItem* parent)
    : label_(std::move(label)), record_(std::move(record)), parent_(parent) {}

TreeItem::~TreeItem() = default;

TreeItem* TreeItem::Child(int row) const noexcept {
  if (row < 0 || row >= ChildCount()) return nullptr;
  return children_[static_cast<std::size_t>(row)].get();
}

TreeItem* TreeItem::NextSibling() const noexcept {
  return parent_ ? parent_->Child(row_ + 1) : nullptr;
}

int TreeItem::SortedRowFor(std::string_view label) const noexcept {
  const auto at = std::upper_bound(
      children_.begin(), children_.end(), label,
      [](std::string_view l, const std::unique_ptr<TreeItem>& child) {
        return CompareTreeLabels(l, child->label_) < 0;
      });
  return static_cast<int>(at - children_.begin());
}

TreeItem* TreeItem::InsertChild(int row, std::unique_ptr<TreeItem> child) {
  const auto at = static_cast<std::size_t>(std::clamp(row, 0, ChildCount()));
  child->parent_ = this;
  TreeItem* inserted = children_.insert(children_.begin() + static_cast<std::ptrdiff_t>(at),
                                        std::move(child))->get();
  RenumberFrom(at);
  return inserted;
}

std::unique_ptr<TreeItem> TreeItem::TakeChild(int row) {
  const auto at = static_cast<std::size_t>(row);
  std::unique_ptr<TreeItem> child = std::move(children_[at]);
  children_.erase(children_.begin() + static_cast<std::ptrdiff_t>(at));
  RenumberFrom(at);
  child->parent_ = nullptr;
  return child;
}

void TreeItem::ClearChildren() noexcept { children_.clear(); }

void TreeItem::SortChildren() {
  std::stable_sort(children_.begin(), children_.end(),
                   [](const std::unique_ptr<TreeItem>& a, const std::unique_ptr<TreeItem>& b) {
                     return CompareTreeLabels(a->label_, b->label_) < 0;
                   });
  RenumberFrom(0);
}

int TreeItem::SubtreeSize() const noexcept {
  int size = 1;
  for (const auto& child : children_) size += child->SubtreeSize();
  return size;
}

void TreeItem::RenumberFrom(std::size_t first) noexcept {
  for (std::size_t i = first; i < children_.size(); ++i) children_[i]->row_ = static_cast<int>(i);
}
