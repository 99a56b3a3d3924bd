#pragma once
// The name a saved run report takes beside the program: after the log while
// one is written ("unit42" gives "unit42_report"), else after the local date
// and time ("report_2026-12-08_153000"), so reports never overwrite a log.

#include "base/civil_time.h"
#include "base/fixed_text.h"

using ReportBaseName = FixedText<260>;

ReportBaseName reportBaseName(const char16_t* logName, const CivilTime& localNow);
