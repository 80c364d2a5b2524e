#pragma once

#include <functional>
#include <memory>
#include <string>
#include <string_view>

class LumoReportBase;
class TreeItem;

namespace lumo {
struct ReportFooter;
}

// Walking the collection in tree order for a report: each artist under
// `root`, then that artist's albums, each album followed by its tracks.
// Items are taken by their depth, whatever is expanded; texts are the
// records' Windows-1252 names.

// A report's title when none is given.
inline constexpr char kDefaultReportTitle[] = "Output";

// The writer of an HTML report with `footer`, or of a CSV report whose
// messages name the file as `shownName` (Windows-1252 text, see
// lumo::PathForMessage).
std::unique_ptr<LumoReportBase> MakeReportWriter(bool csv, const std::string& shownName,
                                                 const lumo::ReportFooter& footer);

// Gives the writer the collection under `root`, tracks numbered from 1 as
// the tree shows them, as a walk that its WriteReport runs while it writes
// (LumoReportBase::SetFeed): the report is never held whole in memory. The
// tree must stay as it is until then.
void FeedReport(const TreeItem& root, LumoReportBase& writer);

// One line per track, "artist TAB album TAB number TAB name LF", and one
// "artist TAB album TAB TAB LF" for an album without tracks, handed to
// `write` as the walk goes, in pieces of whole lines of some 64 KB: a
// listing of any size takes no more memory than that.
void WriteCollectionListing(const TreeItem& root, const std::function<void(std::string_view)>& write);
// The same listing as one text.
std::string CollectionListing(const TreeItem& root);
