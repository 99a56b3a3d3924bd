// Arbitrary text as a limits file and as skyvane.ini's [REFERENCE], line by
// line as the replay reads a file and whole as the program passes its text:
// both readers agree, an error names the file and a line, and the limits
// judge a report whose JSON and HTML limits table stay well formed.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "json_check.h"
#include "markup_check.h"
#include "report/report_tables.h"
#include "stats/limit_evaluation.h"
#include "stats/limits.h"
#include "stats/reference_position.h"
#include "stats/report_json.h"

namespace {

[[noreturn]] void failWith(const char* what, const std::string& detail) {
    std::fprintf(stderr, "%s\n%s\n", what, detail.c_str());
    std::abort();
}

// A report with some numbers and some nulls, for the limits to judge.
std::unique_ptr<RunReport> sampleReport() {
    auto report = std::make_unique<RunReport>();
    report->epochs.fixAvailability = 0.75;
    report->signals.bands[0].top4.median = 40.25;
    report->signals.bands[0].tracked.median = 9;
    report->position.cep50M = 1.5;
    report->lines.checksumBad = 2;
    report->firstFix.receiverMs = 30500;
    return report;
}

void checkError(const IniError& error) {
    if (std::strncmp(error.message, "limits.ini:", 11) != 0 &&
        std::strncmp(error.message, "skyvane.ini:", 12) != 0) {
        failWith("an error that names no file and line", error.message);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const char* text = reinterpret_cast<const char*>(data);
    LimitSet whole;
    IniError error;
    const int parsed = parseLimitsText(text, size, "limits.ini", &whole, &error);
    if (!parsed) {
        checkError(error);
    }

    IniNumberSection lines = limitsSection("limits.ini");
    const int read = forEachIniLine(text, size, [&](std::string_view line, int number) {
        return lines.takeLine(line, number);
    });
    if (read != parsed || (read && limitsOf(lines).count != whole.count)) {
        failWith("the line reader and the text reader disagree", std::string(text, size));
    }

    std::optional<GeoPoint> reference;
    if (!readReferenceText(text, size, "skyvane.ini", &reference, &error)) {
        checkError(error);
    }

    static const std::unique_ptr<RunReport> report = sampleReport();
    evaluateLimits(parsed ? &whole : nullptr, report.get());
    std::string json;
    appendReportJson(json, *report);
    std::string problem;
    if (!jsonWellFormed(json, &problem)) {
        failWith("the report is not JSON", problem);
    }
    std::string table;
    appendLimitsTable(table, *report);
    if (!markupWellFormed(table, &problem)) {
        failWith("the page's limits table is not well formed", problem + "\n" + table);
    }
    return 0;
}
