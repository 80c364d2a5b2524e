#include "gui/tree/lumo_tree_ctrl.h"

#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>
#include <vector>

#include "gui/tree/tree_model.h"

namespace lumo {

// Counts how deep we are inside some kind of work, for as long as it lives.
class LumoTreeCtrl::Guard {
 public:
  explicit Guard(int& depth) : depth_(depth) { ++depth_; }
  ~Guard() { --depth_; }
  Guard(const Guard&) = delete;
  Guard& operator=(const Guard&) = delete;

 private:
  int& depth_;
};

LumoTreeCtrl::LumoTreeCtrl(QWidget* parent) : QTreeView(parent), model_(new TreeModel(this)) {
  setModel(model_);
  setHeaderHidden(true);
  setRootIsDecorated(true);
  setItemsExpandable(true);
  setUniformRowHeights(true);  // lets the view skip measuring every row
  setAnimated(false);
  setSelectionMode(QAbstractItemView::SingleSelection);
  setSelectionBehavior(QAbstractItemView::SelectRows);
  setEditTriggers(QAbstractItemView::NoEditTriggers);
  setDragEnabled(false);
  setAcceptDrops(false);
  setDragDropMode(QAbstractItemView::NoDragDrop);
  setMouseTracking(true);
  viewport()->setAttribute(Qt::WA_Hover);
  setFocusPolicy(Qt::StrongFocus);
  ConnectSignals();
}

LumoTreeCtrl::~LumoTreeCtrl() {
  // Whoever listens may already be half destroyed: free the items quietly.
  const QSignalBlocker quiet(this);
  DeleteAllWithData();
}

void LumoTreeCtrl::ConnectSignals() {
  connect(this, &QTreeView::expanded, this, [this](const QModelIndex& i) { OnExpansion(i, true); });
  connect(this, &QTreeView::collapsed, this, [this](const QModelIndex& i) { OnExpansion(i, false); });
  connect(selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this](const QModelIndex& current) { OnCurrentChanged(current); });
  // A reset drops the caret without a word from the selection model.
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    if (reportedSelection_) OnCurrentChanged({});
  });
}

void LumoTreeCtrl::OnExpansion(const QModelIndex& index, bool expanded) {
  if (userInput_ > 0 && programmatic_ == 0) emit itemExpandedByUser(model_->ItemAt(index), expanded);
}

void LumoTreeCtrl::OnCurrentChanged(const QModelIndex& current) {
  reportedSelection_ = model_->ItemAt(current);
  emit selectionChangedTo(reportedSelection_);
}

TreeItem* LumoTreeCtrl::InsertItemWithData(const CatalogueItem& record, TreeItem* parent,
                                           InsertAt where) {
  return Insert(std::make_unique<TreeItem>(std::optional<CatalogueItem>(record), std::string_view(), nullptr), parent,
                where);
}

TreeItem* LumoTreeCtrl::InsertLeanItem(const RecordView& record, TreeItem* parent, InsertAt where,
                                       const PendingChildren& pending) {
  return Insert(std::make_unique<TreeItem>(record, nullptr, pending), parent, where);
}

TreeItem* LumoTreeCtrl::Insert(std::unique_ptr<TreeItem> item, TreeItem* parent, InsertAt where) {
  if (parent && !model_->Contains(parent)) return nullptr;
  if (where == InsertAt::Sort) return model_->InsertSorted(parent, std::move(item));
  TreeItem* under = parent ? parent : model_->Root();
  return model_->InsertLeaf(under, under->ChildCount(), std::move(item));
}

void LumoTreeCtrl::KeepTexts(std::shared_ptr<const void> texts) { model_->KeepTexts(std::move(texts)); }

CatalogueItem* LumoTreeCtrl::GetItemRecord(TreeItem* item) const {
  return item ? item->Record() : nullptr;
}

bool LumoTreeCtrl::DeleteItemWithData(TreeItem* item) {
  if (!item || item == model_->Root() || !model_->Contains(item)) return false;
  model_->Remove(item);
  return true;
}

bool LumoTreeCtrl::DeleteChildrenWithData(TreeItem* item) {
  // Ownership frees whole subtrees, so there is nothing left for a recursion to do.
  if (item && !model_->Contains(item)) return false;
  model_->RemoveChildren(item);
  return true;
}

bool LumoTreeCtrl::DeleteAllWithData() {
  if (model_->Count() == 0) {
    // A build that listed nothing still took a share in the loaded file.
    model_->ReleaseTexts();
    return false;
  }
  model_->RemoveAll();
  return true;
}

void LumoTreeCtrl::SetItemText(TreeItem* item, const std::string& label) {
  if (item && item != model_->Root() && model_->Contains(item)) model_->SetLabel(item, label);
}

std::string LumoTreeCtrl::GetItemText(TreeItem* item) const {
  return item ? item->Label() : std::string();
}

int64_t LumoTreeCtrl::GetCount() const { return model_->Count(); }

TreeItem* LumoTreeCtrl::GetRootItem() const { return model_->Root()->Child(0); }

TreeItem* LumoTreeCtrl::GetChildItem(TreeItem* item) const {
  return (item ? item : model_->Root())->Child(0);
}

TreeItem* LumoTreeCtrl::GetNextSiblingItem(TreeItem* item) const {
  return item ? item->NextSibling() : nullptr;
}

TreeItem* LumoTreeCtrl::GetParentItem(TreeItem* item) const {
  if (!item || item->Parent() == model_->Root()) return nullptr;
  return item->Parent();
}

TreeItem* LumoTreeCtrl::GetSelectedItem() const {
  // Mid bulk update the caret may still name an item that is gone.
  if (model_->InBulkUpdate()) return nullptr;
  return model_->ItemAt(currentIndex());
}

bool LumoTreeCtrl::SelectItem(TreeItem* item) {
  if (item && !model_->Contains(item)) return false;
  const Guard ours(programmatic_);
  setCurrentIndex(model_->IndexOf(item));
  return true;
}

TreeItem* LumoTreeCtrl::GetFirstVisibleItem() const {
  return model_->ItemAt(indexAt(QPoint(columnViewportPosition(0), 0)));
}

bool LumoTreeCtrl::Expand(TreeItem* item, bool expand) {
  if (!item || !item->HasChildren() || !model_->Contains(item)) return false;
  const Guard ours(programmatic_);
  setExpanded(model_->IndexOf(item), expand);
  return true;
}

void LumoTreeCtrl::EnsureVisible(TreeItem* item) {
  if (!item) return;
  for (TreeItem* above = GetParentItem(item); above; above = GetParentItem(above)) Expand(above, true);
  scrollTo(model_->IndexOf(item));
}

bool LumoTreeCtrl::IsExpanded(TreeItem* item) const {
  return item && isExpanded(model_->IndexOf(item));
}

void LumoTreeCtrl::SortChildren(TreeItem* item) {
  if (!item || model_->Contains(item)) model_->SortChildren(item);
}

void LumoTreeCtrl::ScrollToTop(TreeItem* item) {
  if (!item || !model_->Contains(item)) return;
  // Scrolling reveals a hidden item by expanding its ancestors; that is ours, not the user's.
  const Guard ours(programmatic_);
  scrollTo(model_->IndexOf(item), QAbstractItemView::PositionAtTop);
}

void LumoTreeCtrl::ApplyDisplayLevel(DisplayLevel level, bool sort) {
  const Guard ours(programmatic_);
  TreeItem* remembered = RememberedItem(level);
  if (sort) model_->SortAlbums();
  if (level != DisplayLevel::Custom) SetLevelExpansion(level);
  if (remembered) ScrollToTop(remembered);
}

TreeItem* LumoTreeCtrl::RememberedItem(DisplayLevel level) const {
  TreeItem* item = GetSelectedItem();
  const CatalogueItem* record = GetItemRecord(item);
  if (!record) return item;
  // A hidden selection is stood for by the nearest ancestor the level still shows.
  if (record->kind == ItemKind::Track && level != DisplayLevel::All) {
    return GetParentItem(GetParentItem(item));
  }
  if (record->kind == ItemKind::Album && level == DisplayLevel::Artist) return GetParentItem(item);
  return item;
}

void LumoTreeCtrl::SetLevelExpansion(DisplayLevel level) {
  // With a layout pending the view only notes each state; one layout follows
  // instead of one per item, which would be quadratic on a big collection.
  scheduleDelayedItemsLayout();
  const bool artistsOpen = level != DisplayLevel::Artist;
  const bool albumsOpen = level == DisplayLevel::All;
  for (TreeItem* artist = GetRootItem(); artist; artist = artist->NextSibling()) {
    if (artist->HasChildren()) setExpanded(model_->IndexOf(artist), artistsOpen);
    // Albums not made yet are closed: they are made only to be opened.
    if (artist->HasPendingChildren() && !albumsOpen) continue;
    for (TreeItem* album = artist->Child(0); album; album = album->NextSibling()) {
      if (album->HasChildren()) setExpanded(model_->IndexOf(album), albumsOpen);
    }
  }
}

TreeHitTest LumoTreeCtrl::HitTest(QPoint viewportPos) const {
  if (!viewport()->rect().contains(viewportPos)) return {};
  const QModelIndex index = indexAt(QPoint(columnViewportPosition(0), viewportPos.y()));
  TreeItem* item = model_->ItemAt(index);
  if (!item) return {};
  const QRect cell = visualRect(index);  // the row right of its indentation
  const int x = viewportPos.x();
  if (x < cell.left() - indentation()) return {item, TreeHit::OnItemIndent};
  if (x < cell.left()) {
    return {item, item->HasChildren() ? TreeHit::OnItemButton : TreeHit::OnItemIndent};
  }
  if (x < LabelRight(index, cell.left())) return {item, TreeHit::OnItemLabel};
  return {item, TreeHit::OnItemRight};
}

int LumoTreeCtrl::LabelRight(const QModelIndex& index, int cellLeft) const {
  // The item delegate pads its text by the focus frame margin plus one on each side.
  const int margin = style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1;
  const int text = fontMetrics().horizontalAdvance(model_->data(index).toString());
  const int cellRight = columnViewportPosition(0) + columnWidth(0);
  return std::min(cellLeft + text + 2 * margin, cellRight);
}

void LumoTreeCtrl::BeginBulkUpdate() { model_->BeginBulkUpdate(); }

void LumoTreeCtrl::EndBulkUpdate() { model_->EndBulkUpdate(); }

void LumoTreeCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) {
    // A right click neither selects nor moves the caret; the receiver decides by hit test.
    event->accept();
    emit rightClicked(event->position().toPoint());
    return;
  }
  const Guard user(userInput_);
  QTreeView::mousePressEvent(event);
}

void LumoTreeCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::RightButton) return event->accept();
  const Guard user(userInput_);
  QTreeView::mouseReleaseEvent(event);
}

void LumoTreeCtrl::mouseDoubleClickEvent(QMouseEvent* event) {
  // The view would toggle expansion on any button; only the left one does here.
  if (event->button() != Qt::LeftButton) return event->accept();
  const Guard user(userInput_);
  QTreeView::mouseDoubleClickEvent(event);
}

void LumoTreeCtrl::keyPressEvent(QKeyEvent* event) {
  emit keyDown(event->key());
  const Guard user(userInput_);
  QTreeView::keyPressEvent(event);
}

}  // namespace lumo
