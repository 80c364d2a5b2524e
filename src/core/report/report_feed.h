#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "core/catalogue/collection_walk.h"

namespace lumo {

class LumoReportBase;
class TreeItem;

// Walking the collection for a report or a listing: each artist, then that
// artist's albums, each album followed by its tracks (CollectionWalk);
// texts are the records' names, in the collection's code page.

// A report's title when none is given.
inline constexpr char kDefaultReportTitle[] = "Output";

// The walk of the collection under `root`, the main window's tree or a
// CollectionTree: items are taken by their depth, whatever is expanded;
// tracks not made yet are read without making them. The tree must stay as
// it is while the walk is used.
CollectionWalk WalkOf(const TreeItem& root);

// Gives the writer the collection as a walk that its WriteReport runs while
// it writes (LumoReportBase::SetFeed): the report is never held whole in
// memory. What the walk reads must stay as it is until then.
void FeedReport(CollectionWalk walk, LumoReportBase& writer);
void FeedReport(const TreeItem& root, LumoReportBase& writer);

// One line per track, "artist TAB album TAB number TAB name LF", and one
// "artist TAB album TAB TAB LF" for an album without tracks, handed to
// `write` as the walk goes, in pieces of whole lines of some 64 KB: a
// listing of any size takes no more memory than that.
void WriteCollectionListing(const CollectionWalk& walk, const std::function<void(std::string_view)>& write);
// The listing of the tree under `root` as one text.
std::string CollectionListing(const TreeItem& root);

}  // namespace lumo
