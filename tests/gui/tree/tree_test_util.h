#pragma once

#include <cstdio>
#include <string>
#include <vector>

#include "core/collection/catalogue.h"
#include "gui/main/duplicate_notify.h"
#include "gui/tree/lumo_tree_ctrl.h"
#include "gui/tree/window_tree.h"

namespace lumo::test {

// Builds the catalogue's loaded file into `tree`, asking about duplicate
// albums as the window does, or keeping the first of each without asking.
inline void BuildInto(Catalogue& catalogue, LumoTreeCtrl& tree, bool ask = true) {
  WindowTree target(tree, ask ? AskAboutDuplicates(tree.window()) : WindowTree::DuplicateQuestion{});
  catalogue.BuildTree(target);
}

inline CatalogueItem Record(ItemKind kind, std::string text, std::string cdKey = {},
                            int trackIndex = 0) {
  return CatalogueItem{kind, std::move(text), std::move(cdKey), static_cast<int16_t>(trackIndex)};
}

// Labels of the children of `parent` (null: the top level), in tree order.
inline std::vector<std::string> ChildLabels(const LumoTreeCtrl& tree, TreeItem* parent) {
  std::vector<std::string> labels;
  for (TreeItem* item = tree.GetChildItem(parent); item; item = tree.GetNextSiblingItem(item)) {
    labels.push_back(tree.GetItemText(item));
  }
  return labels;
}

// Artists "Artist 00".. sorted at the top, albums "Album k" appended below
// each, tracks labelled the way the catalogue labels them.
inline void FillCatalogue(LumoTreeCtrl& tree, int artists, int albums, int tracks) {
  for (int a = 0; a < artists; ++a) {
    char name[32];
    std::snprintf(name, sizeof name, "Artist %02d", a);
    TreeItem* artist = tree.InsertItemWithData(Record(ItemKind::Artist, name), nullptr, InsertAt::Sort);
    for (int b = 0; b < albums; ++b) {
      const std::string key = std::to_string(a * 100 + b);
      TreeItem* album = tree.InsertItemWithData(Record(ItemKind::Album, "Album " + std::to_string(b), key),
                                                artist, InsertAt::Last);
      for (int t = 0; t < tracks; ++t) {
        TreeItem* track = tree.InsertItemWithData(Record(ItemKind::Track, "Song", key, t), album, InsertAt::Last);
        char label[48];
        std::snprintf(label, sizeof label, "%2d. %s", t + 1, "Song");
        tree.SetItemText(track, label);
      }
    }
  }
}

// The n-th child of `parent` (null: the top level), or null.
inline TreeItem* NthChild(const LumoTreeCtrl& tree, TreeItem* parent, int n) {
  TreeItem* item = tree.GetChildItem(parent);
  while (item && n-- > 0) item = tree.GetNextSiblingItem(item);
  return item;
}

}  // namespace lumo::test
