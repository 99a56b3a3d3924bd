#include "limit_evaluation.h"

namespace {

std::optional<double> fromCount(std::uint64_t count) {
    return static_cast<double>(count);
}

std::optional<double> secondsOf(const std::optional<std::int64_t>& ms) {
    return ms ? std::optional<double>(static_cast<double>(*ms) / 1000) : std::nullopt;
}

// A campaign's p95 time to first fix, a live run's arrival time, or a
// recording's receiver time.
std::optional<double> ttffSeconds(const RunReport& report) {
    if (report.hasCampaign) {
        return report.campaign.ttffS.p95;
    }
    return secondsOf(report.live ? report.firstFix.ms : report.firstFix.receiverMs);
}

std::optional<double> valueOf(LimitKey key, const RunReport& report) {
    switch (key) {
        case LimitKey::fixAvailabilityMin:
            return report.epochs.fixAvailability;
        case LimitKey::top4L1MedianMin:
            return report.signals.bands[0].top4.median;
        case LimitKey::top4L5MedianMin:
            return report.signals.bands[1].top4.median;
        case LimitKey::trackedL1MedianMin:
            return report.signals.bands[0].tracked.median;
        case LimitKey::cep50MaxM:
            return report.position.cep50M;
        case LimitKey::cep95MaxM:
            return report.position.cep95M;
        case LimitKey::checksumBadMax:
            return fromCount(report.lines.checksumBad);
        case LimitKey::gapsMax:
            return fromCount(static_cast<std::uint64_t>(report.epochs.gaps));
        case LimitKey::ttffMaxS:
            return ttffSeconds(report);
    }
    return std::nullopt;
}

bool isMinimum(LimitKey key) {
    return key == LimitKey::fixAvailabilityMin || key == LimitKey::top4L1MedianMin ||
           key == LimitKey::top4L5MedianMin || key == LimitKey::trackedL1MedianMin;
}

// A campaign passes its time to first fix only when every start fixed.
bool everyStartFixed(LimitKey key, const RunReport& report) {
    return key != LimitKey::ttffMaxS || !report.hasCampaign ||
           report.campaign.fixed == report.campaign.startCount;
}

LimitResult resultOf(const Limit& limit, const RunReport& report) {
    LimitResult result;
    result.limit = limit;
    result.value = valueOf(limit.key, report);
    const double bound = limit.value.value;
    result.pass = result.value.has_value() && everyStartFixed(limit.key, report) &&
                  (isMinimum(limit.key) ? *result.value >= bound : *result.value <= bound);
    return result;
}

}  // namespace

void evaluateLimits(const LimitSet* limits, RunReport* report) {
    report->limitCount = 0;
    report->pass = true;
    if (limits == nullptr) {
        return;
    }
    for (int i = 0; i < limits->count; ++i) {
        const LimitResult result = resultOf(limits->entries[i], *report);
        report->limits[report->limitCount++] = result;
        report->pass = report->pass && result.pass;
    }
}
