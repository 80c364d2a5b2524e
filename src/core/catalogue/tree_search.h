#pragma once

#include <string>

namespace lumo {

class TreeItem;

// What Find looks for: a piece of a name, in the kinds of item chosen.
struct FindOptions {
  std::string text;  // in the collection's code page
  bool matchCase = false;
  bool artists = true;
  bool albums = true;
  bool tracks = true;
};

enum class FindDirection { Next, Previous };

struct FindResult {
  TreeItem* item = nullptr;  // null: nothing matches anywhere
  bool wrapped = false;      // the search went past the end (or the start) to get there
};

// Looks through the whole tree below `root` (the invisible item whose
// children are the artists) in its order (each artist, its albums, each
// album's tracks), from the item after `from` (before it, going back; the
// first or last item when `from` is null), round past the end once, so
// `from` itself is the last item looked at. Names are the records' texts,
// not the labels, so a track's number never matches.
FindResult FindInTree(TreeItem& root, TreeItem* from, const FindOptions& options,
                      FindDirection direction);

}  // namespace lumo
