#pragma once

#include <string>

namespace lumo {

class LumoReportBase;
class TreeItem;

// Walking the collection in tree order for a report: each artist under
// `root`, then that artist's albums, each album followed by its tracks.
// Items are taken by their depth, whatever is expanded; texts are the
// records' Windows-1252 names.

// A report's title when none is given.
inline constexpr char kDefaultReportTitle[] = "Output";

// Feeds the writer, tracks numbered from 1 as the tree shows them.
void FeedReport(const TreeItem& root, LumoReportBase& writer);

// One line per track, "artist TAB album TAB number TAB name LF", and one
// "artist TAB album TAB TAB LF" for an album without tracks.
std::string CollectionListing(const TreeItem& root);

}  // namespace lumo
