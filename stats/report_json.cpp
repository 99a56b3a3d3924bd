#include "report_json.h"

#include "json_fields.h"
#include "json_text.h"
#include "nmea/sat_table_names.h"

namespace {

// Decimals of each kind of number.
constexpr int countMeanDecimals = 2;
constexpr int strengthDecimals = 2;
constexpr int secondsDecimals = 3;
constexpr int metreDecimals = 3;
constexpr int degreeDecimals = 8;
constexpr int fractionDecimals = 6;

struct SeriesFormat {
    int valueDecimals;
    int meanDecimals;
};

constexpr SeriesFormat countFormat{0, countMeanDecimals};
constexpr SeriesFormat strengthFormat{strengthDecimals, strengthDecimals};
constexpr SeriesFormat secondsFormat{secondsDecimals, secondsDecimals};

void appendBool(std::string& out, bool value) {
    out += value ? "true" : "false";
}

void appendStats(std::string& out, const StatSummary& s, SeriesFormat format) {
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("n"), s.n);
    appendOptionalFixed(fields.key("min"), s.min, format.valueDecimals);
    appendOptionalFixed(fields.key("p5"), s.p5, format.valueDecimals);
    appendOptionalFixed(fields.key("median"), s.median, format.valueDecimals);
    appendOptionalFixed(fields.key("mean"), s.mean, format.meanDecimals);
    appendOptionalFixed(fields.key("p95"), s.p95, format.valueDecimals);
    appendOptionalFixed(fields.key("max"), s.max, format.valueDecimals);
    fields.end();
}

void appendByType(std::string& out, const LinesReport& lines) {
    JsonFields fields(out, '{', ", ", "}");
    for (int i = 0; i < lines.typeCount; ++i) {
        const SentenceTypeCount& entry = lines.byType[i];
        appendJsonText(fields.item(), entry.type.units, entry.type.length);
        out += ": ";
        appendInteger(out, static_cast<std::int64_t>(entry.count));
    }
    appendInteger(fields.key("other"), static_cast<std::int64_t>(lines.other));
    fields.end();
}

void appendLines(std::string& out, const LinesReport& lines) {
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("total"), static_cast<std::int64_t>(lines.total));
    appendInteger(fields.key("checksumOk"), static_cast<std::int64_t>(lines.checksumOk));
    appendInteger(fields.key("checksumBad"), static_cast<std::int64_t>(lines.checksumBad));
    appendInteger(fields.key("checksumAbsent"), static_cast<std::int64_t>(lines.checksumAbsent));
    appendByType(fields.key("byType"), lines);
    fields.end();
}

void appendEpochs(std::string& out, const EpochsReport& epochs) {
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("count"), epochs.count);
    appendInteger(fields.key("fix"), epochs.fix);
    appendOptionalFixed(fields.key("fixAvailability"), epochs.fixAvailability, fractionDecimals);
    appendOptionalInteger(fields.key("intervalMedianMs"), epochs.intervalMedianMs);
    appendInteger(fields.key("gaps"), epochs.gaps);
    appendInteger(fields.key("backwards"), epochs.backwards);
    appendOptionalInteger(fields.key("spanMs"), epochs.spanMs);
    fields.end();
}

void appendSignal(std::string& out, const SignalReport& signal) {
    JsonFields fields(out, '{', ", ", "}");
    appendStats(fields.key("inView"), signal.inView, countFormat);
    appendStats(fields.key("tracked"), signal.tracked, countFormat);
    appendStats(fields.key("used"), signal.used, countFormat);
    appendStats(fields.key("top4"), signal.top4, strengthFormat);
    fields.end();
}

void appendSignals(std::string& out, const SignalsReport& signals) {
    JsonFields fields(out, '{', ",\n    ", "\n  }");
    out += "\n    ";
    for (int id = 0; id < satTableCount; ++id) {
        appendSignal(fields.key(satTableKey(id)), signals.tables[id]);
    }
    for (int band = 0; band < bandCount; ++band) {
        appendSignal(fields.key(bandName(band)), signals.bands[band]);
    }
    fields.end();
}

void appendSatellite(std::string& out, const SatelliteReport& satellite) {
    JsonFields fields(out, '{', ", ", "}");
    appendJsonText(fields.key("table"), satTableKey(satellite.table));
    appendInteger(fields.key("number"), satellite.number);
    appendInteger(fields.key("inView"), satellite.inView);
    appendInteger(fields.key("tracked"), satellite.tracked);
    appendInteger(fields.key("used"), satellite.used);
    appendStats(fields.key("strength"), satellite.strength, strengthFormat);
    fields.end();
}

// An array of one item a line, "[]" when empty.
template <typename AppendItem>
void appendBlockArray(std::string& out, int count, AppendItem&& appendItem) {
    if (count == 0) {
        out += "[]";
        return;
    }
    JsonFields items(out, '[', ",\n    ", "\n  ]");
    out += "\n    ";
    for (int i = 0; i < count; ++i) {
        appendItem(items.item(), i);
    }
    items.end();
}

void appendPosition(std::string& out, const PositionReport& position) {
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("fixes"), position.fixes);
    {
        JsonFields reference(fields.key("reference"), '{', ", ", "}");
        appendOptionalFixed(reference.key("lat"), position.reference.lat, degreeDecimals);
        appendOptionalFixed(reference.key("lon"), position.reference.lon, degreeDecimals);
        appendBool(reference.key("given"), position.reference.given);
        reference.end();
    }
    appendOptionalFixed(fields.key("meanEastM"), position.meanEastM, metreDecimals);
    appendOptionalFixed(fields.key("meanNorthM"), position.meanNorthM, metreDecimals);
    appendOptionalFixed(fields.key("cep50M"), position.cep50M, metreDecimals);
    appendOptionalFixed(fields.key("cep95M"), position.cep95M, metreDecimals);
    appendOptionalFixed(fields.key("drms2M"), position.drms2M, metreDecimals);
    appendOptionalFixed(fields.key("maxErrorM"), position.maxErrorM, metreDecimals);
    fields.end();
}

void appendFirstFix(std::string& out, const FirstFixReport& firstFix) {
    JsonFields fields(out, '{', ", ", "}");
    appendOptionalInteger(fields.key("ms"), firstFix.ms);
    appendOptionalInteger(fields.key("epochs"), firstFix.epochs);
    appendOptionalInteger(fields.key("receiverMs"), firstFix.receiverMs);
    fields.end();
}

void appendStart(std::string& out, const CampaignStart& start) {
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("index"), start.index);
    appendJsonText(fields.key("sentAt"), start.sentAt);
    appendJsonText(fields.key("outcome"), startOutcomeName(start.outcome));
    appendOptionalInteger(fields.key("ttffMs"), start.ttffMs);
    appendOptionalInteger(fields.key("usedAtFix"), start.usedAtFix);
    appendOptionalFixed(fields.key("top4AtFix"), start.top4AtFix, strengthDecimals);
    appendOptionalFixed(fields.key("errorAtFixM"), start.errorAtFixM, metreDecimals);
    fields.end();
}

void appendCampaign(std::string& out, const RunReport& report) {
    if (!report.hasCampaign) {
        out += "null";
        return;
    }
    const CampaignReport& campaign = report.campaign;
    JsonFields fields(out, '{', ",\n    ", "\n  }");
    out += "\n    ";
    appendJsonText(fields.key("kind"), startKindName(campaign.kind));
    appendJsonText(fields.key("family"), campaign.family);
    appendInteger(fields.key("count"), campaign.count);
    appendInteger(fields.key("timeoutS"), campaign.timeoutS);
    {
        JsonFields starts(fields.key("starts"), '[', ",\n      ", "\n    ]");
        out += campaign.startCount > 0 ? "\n      " : "";
        for (int i = 0; i < campaign.startCount; ++i) {
            appendStart(starts.item(), campaign.starts[i]);
        }
        starts.end();
    }
    appendStats(fields.key("ttff"), campaign.ttffS, secondsFormat);
    appendInteger(fields.key("fixed"), campaign.fixed);
    appendInteger(fields.key("timeouts"), campaign.timeouts);
    appendInteger(fields.key("noRestart"), campaign.noRestart);
    fields.end();
}

// The decimals of the number a limit is compared with.
int limitDecimals(LimitKey key) {
    switch (key) {
        case LimitKey::fixAvailabilityMin:
            return fractionDecimals;
        case LimitKey::top4L1MedianMin:
        case LimitKey::top4L5MedianMin:
            return strengthDecimals;
        case LimitKey::cep50MaxM:
        case LimitKey::cep95MaxM:
            return metreDecimals;
        case LimitKey::ttffMaxS:
            return secondsDecimals;
        default:
            return 0;  // counts and the median of a count
    }
}

void appendLimit(std::string& out, const LimitResult& result) {
    JsonFields fields(out, '{', ", ", "}");
    appendJsonText(fields.key("key"), limitKeyName(result.limit.key));
    fields.key("limit") += result.limit.value.text;
    appendOptionalFixed(fields.key("value"), result.value, limitDecimals(result.limit.key));
    appendBool(fields.key("pass"), result.pass);
    fields.end();
}

// The statistics computed over the kept window rather than the whole run.
void appendWindowed(std::string& out, const RunReport& report) {
    JsonFields names(out, '[', ", ", "]");
    if (report.bounds.intervalsDropped > 0) {
        appendJsonText(names.item(), "epochs.intervalMedianMs");
        appendJsonText(names.item(), "epochs.gaps");
    }
    if (report.bounds.positionsDropped > 0) {
        if (!report.position.reference.given) {
            appendJsonText(names.item(), "position.reference");
        }
        for (const char* name : {"position.meanEastM", "position.meanNorthM", "position.cep50M",
                                 "position.cep95M", "position.drms2M", "position.maxErrorM"}) {
            appendJsonText(names.item(), name);
        }
    }
    names.end();
}

void appendBounds(std::string& out, const RunReport& report) {
    const BoundsReport& bounds = report.bounds;
    JsonFields fields(out, '{', ", ", "}");
    appendInteger(fields.key("sampleWindow"), static_cast<std::int64_t>(sampleWindow));
    appendInteger(fields.key("intervalsDropped"),
                  static_cast<std::int64_t>(bounds.intervalsDropped));
    appendInteger(fields.key("positionsDropped"),
                  static_cast<std::int64_t>(bounds.positionsDropped));
    appendWindowed(fields.key("windowed"), report);
    appendInteger(fields.key("strengthPool"), strengthPoolSize);
    appendInteger(fields.key("satellitesPastPool"), bounds.satellitesPastPool);
    appendInteger(fields.key("strengthsClamped"),
                  static_cast<std::int64_t>(bounds.strengthsClamped));
    appendInteger(fields.key("typeTable"), typeTableCapacity);
    appendInteger(fields.key("linesPastTypeTable"),
                  static_cast<std::int64_t>(bounds.linesPastTypeTable));
    fields.end();
}

}  // namespace

int limitValueDecimals(LimitKey key) {
    return limitDecimals(key);
}

void appendReportJson(std::string& out, const RunReport& report) {
    JsonFields top(out, '{', ",\n  ", "\n}\n");
    out += "\n  ";
    appendLines(top.key("lines"), report.lines);
    appendEpochs(top.key("epochs"), report.epochs);
    appendSignals(top.key("signals"), report.signals);
    appendBlockArray(top.key("satellites"), report.satellites.count, [&](std::string& o, int i) {
        appendSatellite(o, report.satellites.entries[i]);
    });
    appendPosition(top.key("position"), report.position);
    appendFirstFix(top.key("firstFix"), report.firstFix);
    appendCampaign(top.key("campaign"), report);
    appendBlockArray(top.key("limits"), report.limitCount,
                     [&](std::string& o, int i) { appendLimit(o, report.limits[i]); });
    appendBool(top.key("pass"), report.pass);
    appendBounds(top.key("bounds"), report);
    top.end();
}
