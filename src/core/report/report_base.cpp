#include "core/report/report_base.h"

#include "core/platform/code_page.h"

namespace lumo {

bool ReportIsUtf8() { return !CollectionCodePage().IsWindows1252(); }

LumoReportBase::~LumoReportBase() = default;

}  // namespace lumo
