#include "core/report/report_base.h"

namespace lumo {

LumoReportBase::~LumoReportBase() = default;

}  // namespace lumo
