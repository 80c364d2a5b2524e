#include "app/tree_search.h"

#include "app/lumo_tree_ctrl.h"
#include "app/tree_item.h"
#include "app/tree_model.h"
#include "edit/name_matcher.h"

namespace {

TreeItem* LastDescendant(TreeItem* item) {
  while (item->HasChildren()) item = item->Child(item->ChildCount() - 1);
  return item;
}

// Pre-order steps over the items below `root`; null past either end.
TreeItem* After(TreeItem* item, const TreeItem* root) {
  if (item->HasChildren()) return item->Child(0);
  for (; item != root; item = item->Parent()) {
    if (TreeItem* next = item->NextSibling()) return next;
  }
  return nullptr;
}

TreeItem* Before(TreeItem* item, const TreeItem* root) {
  if (item == root) return nullptr;
  TreeItem* parent = item->Parent();
  if (item->Row() == 0) return parent == root ? nullptr : parent;
  return LastDescendant(parent->Child(item->Row() - 1));
}

bool Wanted(ItemKind kind, const FindOptions& options) {
  switch (kind) {
    case ItemKind::Artist: return options.artists;
    case ItemKind::Album: return options.albums;
    case ItemKind::Track: return options.tracks;
  }
  return false;
}

}  // namespace

FindResult FindInTree(const LumoTreeCtrl& tree, TreeItem* from, const FindOptions& options,
                      FindDirection direction) {
  TreeItem* root = tree.Model()->Root();
  if (!root->HasChildren()) return {};
  const bool forward = direction == FindDirection::Next;
  const auto step = [&](TreeItem* item) { return forward ? After(item, root) : Before(item, root); };
  TreeItem* const first = forward ? root->Child(0) : LastDescendant(root);
  const NameMatcher matcher(options.text, options.matchCase);
  bool wrapped = from == nullptr;
  TreeItem* item = from ? step(from) : first;
  for (int left = tree.GetCount() + 1; left > 0; --left) {
    if (item == nullptr) {
      if (wrapped) return {};
      wrapped = true;
      item = first;
    }
    // Read without making each item's record: a search may pass them all.
    if (item->HasRecord() && Wanted(item->Kind(), options) && matcher.Matches(item->Text())) {
      return {item, wrapped && from != nullptr};
    }
    if (item == from) return {};
    item = step(item);
  }
  return {};
}
