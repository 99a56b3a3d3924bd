#include "report_file_name.h"

ReportBaseName reportBaseName(const char16_t* logName, const CivilTime& localNow) {
    ReportBaseName name;
    if (logName != nullptr && logName[0] != 0) {
        name.assign(logName);
        name.append(u"_report");
        return name;
    }
    name.format("report_%04d-%02d-%02d_%02d%02d%02d", localNow.year, localNow.month, localNow.day,
                localNow.hour, localNow.minute, localNow.second);
    return name;
}
