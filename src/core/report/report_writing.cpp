#include "core/report/report_writing.h"

#include <memory>

#include "core/report/csv_report.h"
#include "core/report/file_error.h"
#include "core/report/file_exception.h"
#include "core/report/report_feed.h"

namespace lumo {
namespace {

// The platform's message buffer held 255 characters with the terminator.
constexpr size_t kMaxErrorText = 254;

std::unique_ptr<LumoReportBase> MakeWriter(const ReportOrder& order) {
  if (order.csv) return std::make_unique<LumoCsv>();
  return std::make_unique<LumoHtml>(order.footer);
}

// The cause's text, cut to what the platform's message buffer held.
std::string CsvCauseText(const FileException& error, const std::string& shownName) {
  return FileErrorText(error.Cause(), shownName).substr(0, kMaxErrorText);
}

}  // namespace

void WriteTreeReport(const TreeItem& root, const ReportOrder& order) { WriteCollectionReport(WalkOf(root), order); }

void WriteCollectionReport(const CollectionWalk& walk, const ReportOrder& order) {
  const std::unique_ptr<LumoReportBase> writer = MakeWriter(order);
  FeedReport(walk, *writer);
  writer->WriteReport(order.path, order.title, order.comment);
}

std::string ReportErrorText(const FileException& error, bool csv, const std::string& shownName) {
  const bool opening = error.Step() == FileStep::Open;
  if (!csv) return opening ? std::string() : FileErrorText(error.Cause(), shownName);
  if (opening) return "Unable to open " + shownName + " for writing.\n" + CsvCauseText(error, shownName) + "\n";
  return "Error writing to " + shownName + "\n" + CsvCauseText(error, shownName);
}

}  // namespace lumo
