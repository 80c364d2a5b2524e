#include "report/report_base.h"

LumoReportBase::~LumoReportBase() = default;
