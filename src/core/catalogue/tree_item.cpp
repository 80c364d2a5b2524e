#include "core/catalogue/tree_item.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <vector>

#include "core/catalogue/catalogue_build.h"
#include "core/platform/code_page.h"
#include "core/platform/text_fold.h"

namespace lumo {

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

bool LabelLess(const std::unique_ptr<TreeItem>& a, const std::unique_ptr<TreeItem>& b) noexcept {
  return CompareTreeLabels(a->LabelParts(), b->LabelParts()) < 0;
}

// A child to be placed, with its label's first eight bytes folded into one
// number: a smaller number means a smaller label, so most comparisons of a
// big sort are settled without reaching into items spread all over memory.
struct SortKey {
  uint64_t prefix;
  std::size_t row;
};

std::string Joined(LabelView label) { return std::string(label.head).append(label.tail); }

// The children from `first` on, in label order; equal labels keep their order.
std::vector<SortKey> SortedKeys(const std::vector<std::unique_ptr<TreeItem>>& items, std::size_t first) {
  std::vector<SortKey> keys;
  keys.reserve(items.size() - first);
  for (std::size_t row = first; row < items.size(); ++row) keys.push_back({TreeLabelPrefix(items[row]->LabelParts()), row});
  std::stable_sort(keys.begin(), keys.end(), [&items](const SortKey& a, const SortKey& b) {
    if (a.prefix != b.prefix) return a.prefix < b.prefix;
    return LabelLess(items[a.row], items[b.row]);
  });
  return keys;
}

constexpr std::size_t kPrefixWidth = 8;  // "32767. " and its end

// " 1. " .. "32767. ": the parts of tracks' labels before their names,
// each made when first asked for and kept, so that labels need not be kept
// per item. Entries never asked for stay zero and take no memory.
std::array<std::array<char, kPrefixWidth>, lumo::kMaxTracks> trackPrefixes{};

}  // namespace

// Hundreds of thousands of these are made for a large collection.
static_assert(sizeof(void*) != 8 || sizeof(TreeItem) <= 56, "a tree item grew past 56 bytes");

std::string_view TrackPrefix(int16_t trackIndex) noexcept {
  if (trackIndex < 0 || trackIndex >= lumo::kMaxTracks) return {};
  std::array<char, kPrefixWidth>& prefix = trackPrefixes[static_cast<std::size_t>(trackIndex)];
  // Short enough to be made without allocating.
  if (prefix[0] == '\0') lumo::TrackLabel(trackIndex, {}).copy(prefix.data(), kPrefixWidth - 1);
  return prefix.data();
}

uint64_t TreeLabelPrefix(LabelView label) {
  const CodePage& page = CollectionCodePage();
  if (!page.IsWindows1252()) return page.FoldedPrefix(label.tail.empty() ? label.head : Joined(label));
  uint64_t prefix = 0;
  for (std::size_t i = 0; i < 8; ++i) {
    const char c = i < label.size() ? lumo::FoldChar(label[i]) : '\0';
    prefix = prefix << 8 | static_cast<unsigned char>(c);
  }
  return prefix;
}

int CompareTreeLabels(LabelView a, LabelView b) noexcept {
  const CodePage& page = CollectionCodePage();
  int folded = 0;
  if (page.IsWindows1252()) {
    folded = CompareBytes(a, b, true);
  } else if (a.tail.empty() && b.tail.empty()) {
    if (a.head == b.head) return 0;  // an artist's albums meet their artist again and again
    folded = page.CompareFolded(a.head, b.head);
  } else {
    folded = page.CompareFolded(Joined(a), Joined(b));
  }
  // Same letters in another case: a fixed byte order keeps the result total.
  return folded != 0 ? folded : CompareBytes(a, b, false);
}

std::string ShortenedForDisplay(LabelView label) {
  std::string shown;
  const std::size_t keep = std::min(label.size(), kDisplayLabelLimit);
  shown.reserve(keep + 1);
  shown.append(label.head.substr(0, keep));
  shown.append(label.tail.substr(0, keep - shown.size()));
  if (label.size() <= kDisplayLabelLimit) return shown;
  const CodePage& page = CollectionCodePage();
  if (page.IsWindows1252()) return shown += '\x85';  // the ellipsis
  // Not half a character: a cut through a double-byte one drops its lead byte.
  if (!page.IsReadable(shown) && page.IsReadable(std::string_view(shown).substr(0, shown.size() - 1))) shown.pop_back();
  return shown += page.FromUtf8("\u2026").value_or("...");
}

TreeItem::TreeItem(std::string_view label, std::unique_ptr<CatalogueItem> record, TreeItem* parent)
    : TreeItem(record ? std::optional<CatalogueItem>(std::move(*record)) : std::nullopt, label, parent) {}

TreeItem::TreeItem(std::optional<CatalogueItem> record, std::string_view label, TreeItem* parent)
    : parent_(parent), hasRecord_(record.has_value()) {
  if (record) Extras().record = std::move(record);
  AssignLabel(label.empty() ? Text() : label);
}

TreeItem::TreeItem(const RecordView& record, TreeItem* parent, const PendingChildren& pending)
    : parent_(parent),
      text_(record.text.data()),
      cdKey_(record.cdKey.data()),
      textSize_(static_cast<uint32_t>(record.text.size())),
      cdKeySize_(static_cast<uint32_t>(record.cdKey.size())),
      trackIndex_(record.trackIndex),
      kind_(record.kind),
      hasRecord_(true) {
  // Texts are far below 4 GB (a loaded file is at most 1 GB), so the sizes fit.
  if (kind_ != ItemKind::Track) {
    labelMode_ = LabelMode::Text;
  } else if (!TrackPrefix(trackIndex_).empty()) {
    labelMode_ = LabelMode::TrackNumber;
  } else {
    labelMode_ = LabelMode::HeadThenText;
    Extras().label = lumo::TrackLabel(trackIndex_, {});
  }
  if (pending.maker != nullptr && pending.count > 0) {
    children_ = std::make_unique<Children>();
    children_->pending = pending;
  }
}

TreeItem::~TreeItem() = default;

CatalogueItem* TreeItem::Record() const {
  if (!hasRecord_) return nullptr;
  Extra& extra = Extras();
  if (!extra.record) extra.record = CatalogueItem{kind_, std::string(Text()), std::string(CdKey()), trackIndex_};
  return &*extra.record;
}

ItemKind TreeItem::Kind() const noexcept { return extra_ && extra_->record ? extra_->record->kind : kind_; }

std::string_view TreeItem::Text() const noexcept {
  if (extra_ && extra_->record) return extra_->record->text;
  return {text_, textSize_};
}

std::string_view TreeItem::CdKey() const noexcept {
  if (extra_ && extra_->record) return extra_->record->cdKey;
  return {cdKey_, cdKeySize_};
}

int16_t TreeItem::TrackIndex() const noexcept {
  return extra_ && extra_->record ? extra_->record->trackIndex : trackIndex_;
}

TreeItem::Extra& TreeItem::Extras() const {
  if (!extra_) extra_ = std::make_unique<Extra>();
  return *extra_;
}

std::string TreeItem::Label() const {
  const LabelView parts = LabelParts();
  std::string label;
  label.reserve(parts.size());
  return label.append(parts.head).append(parts.tail);
}

LabelView TreeItem::LabelParts() const noexcept {
  switch (labelMode_) {
    case LabelMode::Text: return {Text(), {}};
    case LabelMode::TrackNumber: return {TrackPrefix(TrackIndex()), Text()};
    case LabelMode::HeadThenText: return {extra_->label, Text()};
    case LabelMode::Whole: break;
  }
  return {extra_ ? std::string_view(extra_->label) : std::string_view(), {}};
}

void TreeItem::SetLabel(std::string_view label) {
  if (parent_) parent_->PlaceAppended();
  AssignLabel(label);
}

void TreeItem::AssignLabel(std::string_view label) {
  // Copied first: `label` may be our own label's bytes.
  const std::string wanted(label);
  const std::string_view text = hasRecord_ ? Text() : std::string_view();
  const std::string_view prefix = Kind() == ItemKind::Track ? TrackPrefix(TrackIndex()) : std::string_view();
  if (hasRecord_ && wanted == text) {
    labelMode_ = LabelMode::Text;
  } else if (!prefix.empty() && wanted.size() == prefix.size() + text.size() && wanted.starts_with(prefix) &&
             wanted.ends_with(text)) {
    labelMode_ = LabelMode::TrackNumber;
  } else if (hasRecord_ && wanted.ends_with(text)) {
    labelMode_ = LabelMode::HeadThenText;
    Extras().label.assign(wanted, 0, wanted.size() - text.size());
    return;
  } else {
    labelMode_ = LabelMode::Whole;
    if (wanted.empty() && !extra_) return;
    Extras().label = wanted;
    return;
  }
  if (extra_) std::string().swap(extra_->label);
}

TreeItem* TreeItem::Child(int row) const {
  if (row < 0 || row >= ChildCount()) return nullptr;
  MakePending();
  if (static_cast<std::size_t>(row) >= children_->items.size()) return nullptr;
  return children_->items[static_cast<std::size_t>(row)].get();
}

std::vector<std::string_view> TreeItem::PendingChildTexts() const {
  std::vector<std::string_view> texts;
  ForEachPendingChildText([&texts](int, std::string_view text) { texts.push_back(text); });
  return texts;
}

void TreeItem::ForEachPendingChildText(const std::function<void(int row, std::string_view text)>& visit) const {
  if (!HasPendingChildren()) return;
  const PendingChildren& pending = children_->pending;
  pending.maker->ForEachChildText(*this, pending.count, pending.token, visit);
}

void TreeItem::MakePending() const {
  if (!children_ || children_->pending.count == 0) return;
  const PendingChildren pending = children_->pending;
  std::vector<std::unique_ptr<TreeItem>> made = pending.maker->MakeChildren(*this, pending.count, pending.token);
  children_->pending = {};
  auto& items = children_->items;
  items = std::move(made);
  for (std::size_t i = 0; i < items.size(); ++i) {
    items[i]->parent_ = const_cast<TreeItem*>(this);
    items[i]->row_ = static_cast<int>(i);
  }
}

TreeItem* TreeItem::NextSibling() const {
  return parent_ ? parent_->Child(row_ + 1) : nullptr;
}

int TreeItem::SortedRowFor(std::string_view label) {
  if (!children_) return 0;
  MakePending();
  PlaceAppended();
  const auto at = std::upper_bound(children_->items.begin(), children_->items.end(), label,
                                   [](std::string_view l, const std::unique_ptr<TreeItem>& child) {
                                     return CompareTreeLabels(LabelView{l, {}}, child->LabelParts()) < 0;
                                   });
  return static_cast<int>(at - children_->items.begin());
}

TreeItem* TreeItem::InsertChild(int row, std::unique_ptr<TreeItem> child) {
  if (!children_) children_ = std::make_unique<Children>();
  MakePending();
  PlaceAppended();
  auto& items = children_->items;
  const auto at = static_cast<std::size_t>(std::clamp(row, 0, ChildCount()));
  child->parent_ = this;
  TreeItem* inserted = items.insert(items.begin() + static_cast<std::ptrdiff_t>(at), std::move(child))->get();
  RenumberFrom(at);
  return inserted;
}

TreeItem* TreeItem::AppendForSorting(std::unique_ptr<TreeItem> child) {
  if (!children_) children_ = std::make_unique<Children>();
  MakePending();
  auto& items = children_->items;
  children_->unplacedFrom = std::min(children_->unplacedFrom, items.size());
  child->parent_ = this;
  child->row_ = static_cast<int>(items.size());
  items.push_back(std::move(child));
  return items.back().get();
}

bool TreeItem::HasUnplacedChildren() const noexcept {
  return children_ && children_->unplacedFrom < children_->items.size();
}

void TreeItem::PlaceAppended() {
  if (!HasUnplacedChildren()) return;
  auto& items = children_->items;
  const std::size_t first = children_->unplacedFrom;
  children_->unplacedFrom = SIZE_MAX;
  const std::vector<SortKey> waiting = SortedKeys(items, first);
  // Merged by hand rather than by std::merge, which needs the earlier
  // children sorted; a rename may have left them out of order. Ties go to
  // the earlier children, as SortedRowFor would have placed the newcomers.
  std::vector<std::unique_ptr<TreeItem>> merged;
  merged.reserve(items.size());
  std::size_t placed = 0;
  auto next = waiting.begin();
  while (placed < first || next != waiting.end()) {
    const bool takeNext = placed == first || (next != waiting.end() && LabelLess(items[next->row], items[placed]));
    merged.push_back(std::move(items[takeNext ? (next++)->row : placed++]));
  }
  items.swap(merged);
  RenumberFrom(0);
}

std::unique_ptr<TreeItem> TreeItem::TakeChild(int row) {
  MakePending();
  auto& items = children_->items;
  const auto at = static_cast<std::size_t>(row);
  // `row` names a row as it is now, so waiting children keep waiting.
  if (at < children_->unplacedFrom && HasUnplacedChildren()) --children_->unplacedFrom;
  std::unique_ptr<TreeItem> child = std::move(items[at]);
  items.erase(items.begin() + static_cast<std::ptrdiff_t>(at));
  RenumberFrom(at);
  child->parent_ = nullptr;
  return child;
}

void TreeItem::ClearChildren() noexcept { children_.reset(); }

void TreeItem::SortChildren() {
  if (!children_) return;
  if (HasPendingChildren() && children_->pending.maker->InLabelOrder()) return;
  MakePending();
  PlaceAppended();
  std::stable_sort(children_->items.begin(), children_->items.end(), LabelLess);
  RenumberFrom(0);
}

void SortAlbums(TreeItem& root) {
  for (int row = 0; row < root.ChildCount(); ++row) root.Child(row)->SortChildren();
}

int64_t TreeItem::SubtreeSize() const noexcept {
  int64_t size = 1;
  if (children_) {
    size += int64_t{children_->pending.count} + children_->pending.below;
    for (const auto& child : children_->items) size += child->SubtreeSize();
  }
  return size;
}

void TreeItem::RenumberFrom(std::size_t first) noexcept {
  auto& items = children_->items;
  for (std::size_t i = first; i < items.size(); ++i) items[i]->row_ = static_cast<int>(i);
}

}  // namespace lumo
