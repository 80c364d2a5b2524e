#include "core/catalogue/tree_search.h"

#include <string_view>
#include <vector>

#include "core/catalogue/tree_item.h"
#include "core/catalogue/name_matcher.h"

namespace lumo {

namespace {

// A place in the search's order: an item, or one of the tracks its album
// has not made yet, which the search reads without making them: a search
// through every name must not make every track of a collection. (An
// artist's albums are made as the search comes to them.)
struct Place {
  TreeItem* item = nullptr;  // null: past either end
  int pending = -1;          // the pending track's row, or -1 for the item itself
};

bool HasPendingTracks(const TreeItem& item) {
  return item.HasPendingChildren() && item.HasRecord() && item.Kind() == ItemKind::Album;
}

Place LastPlaceUnder(TreeItem* item) {
  while (item->HasChildren()) {
    if (HasPendingTracks(*item)) return {item, item->ChildCount() - 1};
    item = item->Child(item->ChildCount() - 1);
  }
  return {item, -1};
}

// Pre-order steps over the places below `root`.
Place After(Place at, const TreeItem* root) {
  TreeItem* item = at.item;
  if (at.pending < 0 && HasPendingTracks(*item)) return {item, 0};
  if (at.pending >= 0 && at.pending + 1 < item->ChildCount()) return {item, at.pending + 1};
  if (at.pending < 0 && item->HasChildren()) return {item->Child(0), -1};
  for (; item != root; item = item->Parent()) {
    if (TreeItem* next = item->NextSibling()) return {next, -1};
  }
  return {};
}

Place Before(Place at, const TreeItem* root) {
  TreeItem* item = at.item;
  if (at.pending > 0) return {item, at.pending - 1};
  if (at.pending == 0) return {item, -1};
  if (item == root) return {};
  TreeItem* parent = item->Parent();
  if (item->Row() == 0) return parent == root ? Place{} : Place{parent, -1};
  return LastPlaceUnder(parent->Child(item->Row() - 1));
}

bool Wanted(ItemKind kind, const FindOptions& options) {
  switch (kind) {
    case ItemKind::Artist: return options.artists;
    case ItemKind::Album: return options.albums;
    case ItemKind::Track: return options.tracks;
  }
  return false;
}

// Whether the place's name is one looked for. The texts of an item's pending
// children are read once for all of them.
class PlaceMatcher {
 public:
  explicit PlaceMatcher(const FindOptions& options) : options_(options), names_(options.text, options.matchCase) {}

  bool Matches(const Place& at) {
    if (at.pending < 0) {
      // Read without making each item's record: a search may pass them all.
      return at.item->HasRecord() && Wanted(at.item->Kind(), options_) && names_.Matches(at.item->Text());
    }
    if (!options_.tracks) return false;
    if (at.item != textsOf_) {
      texts_ = at.item->PendingChildTexts();
      textsOf_ = at.item;
    }
    return names_.Matches(texts_[static_cast<std::size_t>(at.pending)]);
  }

 private:
  const FindOptions& options_;
  const NameMatcher names_;
  const TreeItem* textsOf_ = nullptr;
  std::vector<std::string_view> texts_;
};

}  // namespace

FindResult FindInTree(TreeItem& rootItem, TreeItem* from, const FindOptions& options,
                      FindDirection direction) {
  TreeItem* root = &rootItem;
  if (!root->HasChildren()) return {};
  const bool forward = direction == FindDirection::Next;
  const auto step = [&](Place at) { return forward ? After(at, root) : Before(at, root); };
  const Place first = forward ? Place{root->Child(0), -1} : LastPlaceUnder(root);
  PlaceMatcher matcher(options);
  bool wrapped = from == nullptr;
  Place at = from ? step({from, -1}) : first;
  for (int64_t left = root->SubtreeSize(); left > 0; --left) {
    if (at.item == nullptr) {
      if (wrapped) return {};
      wrapped = true;
      at = first;
    }
    if (matcher.Matches(at)) {
      // Only the album of a track found makes its tracks.
      TreeItem* found = at.pending < 0 ? at.item : at.item->Child(at.pending);
      return {found, wrapped && from != nullptr};
    }
    if (at.pending < 0 && at.item == from) return {};
    at = step(at);
  }
  return {};
}

}  // namespace lumo
