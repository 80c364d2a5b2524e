#include "app/tree_item.h"

#include <algorithm>

#include "platform/text_fold.h"

namespace {

int CompareBytes(LabelView a, LabelView b, bool folded) noexcept {
  const std::size_t common = std::min(a.size(), b.size());
  for (std::size_t i = 0; i < common; ++i) {
    const char ca = folded ? lumo::FoldChar(a[i]) : a[i];
    const char cb = folded ? lumo::FoldChar(b[i]) : b[i];
    if (ca != cb) return static_cast<unsigned char>(ca) < static_cast<unsigned char>(cb) ? -1 : 1;
  }
  if (a.size() != b.size()) return a.size() < b.size() ? -1 : 1;
  return 0;
}

}  // namespace

int CompareTreeLabels(LabelView a, LabelView b) noexcept {
  const int folded = CompareBytes(a, b, true);
  // Same letters in another case: a fixed byte order keeps the result total.
  return folded != 0 ? folded : CompareBytes(a, b, false);
}

TreeItem::TreeItem(std::string_view label, std::unique_ptr<CatalogueItem> record, TreeItem* parent)
    : record_(std::move(record)), parent_(parent) {
  SetLabel(label);
}

TreeItem::~TreeItem() = default;

std::string TreeItem::Label() const {
  const LabelView parts = LabelParts();
  std::string label;
  label.reserve(parts.size());
  return label.append(parts.head).append(parts.tail);
}

LabelView TreeItem::LabelParts() const noexcept {
  if (!labelEndsWithText_) return {label_, {}};
  return {label_, record_->text};
}

void TreeItem::SetLabel(std::string_view label) {
  labelEndsWithText_ = record_ && label.ends_with(record_->text);
  label_.assign(labelEndsWithText_ ? label.substr(0, label.size() - record_->text.size()) : label);
}

TreeItem* TreeItem::Child(int row) const noexcept {
  if (row < 0 || row >= ChildCount()) return nullptr;
  return (*children_)[static_cast<std::size_t>(row)].get();
}

TreeItem* TreeItem::NextSibling() const noexcept {
  return parent_ ? parent_->Child(row_ + 1) : nullptr;
}

int TreeItem::SortedRowFor(std::string_view label) const noexcept {
  if (!children_) return 0;
  const auto at = std::upper_bound(
      children_->begin(), children_->end(), label,
      [](std::string_view l, const std::unique_ptr<TreeItem>& child) {
        return CompareTreeLabels(LabelView{l, {}}, child->LabelParts()) < 0;
      });
  return static_cast<int>(at - children_->begin());
}

TreeItem* TreeItem::InsertChild(int row, std::unique_ptr<TreeItem> child) {
  if (!children_) children_ = std::make_unique<Children>();
  const auto at = static_cast<std::size_t>(std::clamp(row, 0, ChildCount()));
  child->parent_ = this;
  TreeItem* inserted =
      children_->insert(children_->begin() + static_cast<std::ptrdiff_t>(at), std::move(child))->get();
  RenumberFrom(at);
  return inserted;
}

std::unique_ptr<TreeItem> TreeItem::TakeChild(int row) {
  const auto at = static_cast<std::size_t>(row);
  std::unique_ptr<TreeItem> child = std::move((*children_)[at]);
  children_->erase(children_->begin() + static_cast<std::ptrdiff_t>(at));
  RenumberFrom(at);
  child->parent_ = nullptr;
  return child;
}

void TreeItem::ClearChildren() noexcept { children_.reset(); }

void TreeItem::SortChildren() {
  if (!children_) return;
  std::stable_sort(children_->begin(), children_->end(),
                   [](const std::unique_ptr<TreeItem>& a, const std::unique_ptr<TreeItem>& b) {
                     return CompareTreeLabels(a->LabelParts(), b->LabelParts()) < 0;
                   });
  RenumberFrom(0);
}

int TreeItem::SubtreeSize() const noexcept {
  int size = 1;
  if (children_) {
    for (const auto& child : *children_) size += child->SubtreeSize();
  }
  return size;
}

void TreeItem::RenumberFrom(std::size_t first) noexcept {
  for (std::size_t i = first; i < children_->size(); ++i) (*children_)[i]->row_ = static_cast<int>(i);
}
