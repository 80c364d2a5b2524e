#pragma once

#include <string>

#include "core/catalogue/collection_walk.h"
#include "core/report/html_report.h"

namespace lumo {

class TreeItem;

// Writing a report of the collection to a file, for the report dialog and
// the command line alike.
class FileException;

// What to write, and where.
struct ReportOrder {
  bool csv = false;      // CSV, else HTML
  std::string path;      // a file-system name
  std::string title;     // Windows-1252; HTML only
  std::string comment;   // Windows-1252; HTML only
  ReportFooter footer;   // HTML only
};

// Writes a report of the collection under `root` (FeedReport) with the
// writer of the order's format. Throws lumo::FileException naming
// `order.path` when no report was written (see LumoHtml and LumoCsv for the
// steps and causes); an earlier file at the path then stays as it was.
void WriteTreeReport(const TreeItem& root, const ReportOrder& order);
// The same for the collection `walk` meets, written as the walk goes: the
// report is never held whole in memory.
void WriteCollectionReport(const CollectionWalk& walk, const ReportOrder& order);

// What the writer of the format says of `error`, thrown by WriteTreeReport,
// naming the file as `shownName` (UTF-8): for CSV "Unable to open
// ... for writing." or "Error writing to ...", each followed by the cause's
// text; for HTML the cause's text of a failed write. Empty for an HTML
// report that could not begin, which has no words of its own. May span lines.
std::string ReportErrorText(const FileException& error, bool csv, const std::string& shownName);

}  // namespace lumo
