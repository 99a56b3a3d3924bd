#pragma once
// A run of the statistics as a replay makes one: lines through the session's
// filter, batch and intake, the statistics listening, and the report built
// from them. Also the sentences the statistics tests are written with.

#include <cstdint>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "replay_session.h"
#include "stat_summary_text.h"
#include "stats/build_run_report.h"
#include "stats/report_json.h"
#include "test_text.h"

struct StatsRun {
    // The first line of a run only starts the first-fix measurement and is
    // not parsed, so every run begins with one that counts for nothing else.
    explicit StatsRun(RunSource source = RunSource::recording, std::uint32_t lineMs = 100)
        : session(std::make_unique<ReplaySession>(lineMs)) {
        statistics->startRun(source);
        session->intake.setListener(statistics.get());
        feed(checked("$GPTXT,01,01,02,start"));
    }

    void feed(const std::string& text) {
        session->feed(reinterpret_cast<const std::uint8_t*>(text.data()), text.size(), [] {});
    }

    const RunReport& build(const ReportInputs& inputs = {}) {
        buildRunReport(*statistics, inputs, *scratch, report.get());
        return *report;
    }

    std::string json(const ReportInputs& inputs = {}) {
        std::string out;
        appendReportJson(out, build(inputs));
        return out;
    }

    std::unique_ptr<ReplaySession> session;
    std::unique_ptr<RunStatistics> statistics = std::make_unique<RunStatistics>();
    std::unique_ptr<ReportScratch> scratch = std::make_unique<ReportScratch>();
    std::unique_ptr<RunReport> report = std::make_unique<RunReport>();
};

// "$GNRMC,<time>,<status>,<lat>,<ns>,<lon>,<ew>,0.0,0.0,061226,,,A" checked.
inline std::string rmc(const std::string& time, const std::string& status,
                       const std::string& lat = "", const std::string& ns = "",
                       const std::string& lon = "", const std::string& ew = "") {
    return checked("$GNRMC," + time + "," + status + "," + lat + "," + ns + "," + lon + "," + ew +
                   ",0.0,0.0,061226,,,A");
}

// A fix at a fixed place, for tests that need a fix but not its position.
inline std::string fixRmc(const std::string& time) {
    return rmc(time, "A", "2502.00000", "N", "12134.00000", "E");
}

// One GSV sentence of the talker ("$GPGSV") with (number, strength) groups;
// a strength of 0 leaves the field empty (in view, not tracked). With a
// signal ID ("1", "8") the sentence is NMEA 4.10's, else the old form.
inline std::string gsv(const std::string& talker,
                       const std::vector<std::pair<int, int>>& satellites,
                       const std::string& signalId = "") {
    std::string body = talker + ",1,1," + std::to_string(satellites.size());
    for (const auto& [number, strength] : satellites) {
        body += "," + std::to_string(number) + ",40,100," +
                (strength > 0 ? std::to_string(strength) : std::string());
    }
    if (!signalId.empty()) {
        body += "," + signalId;
    }
    return checked(body);
}
