#include "core/report/report_base.h"

LumoReportBase::~LumoReportBase() = default;
