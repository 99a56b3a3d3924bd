#include "trace_writer.h"

#include <cstdio>

#include "headless_host.h"
#include "nmea/receiver_state.h"
#include "nmea/sat_table_names.h"
#include "nmea/sentence_intake.h"

namespace {

void appendEscapedUnit(std::string& out, char16_t unit) {
    switch (unit) {
        case u'"':
            out += "\\\"";
            return;
        case u'\\':
            out += "\\\\";
            return;
        case u'\r':
            out += "\\r";
            return;
        case u'\n':
            out += "\\n";
            return;
        case u'\t':
            out += "\\t";
            return;
        default:
            break;
    }
    if (unit < 0x20 || unit > 0x7E) {
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(unit));
        out += escaped;
    } else {
        out += static_cast<char>(unit);
    }
}

void appendString(std::string& out, const char16_t* text) {
    out += '"';
    for (; *text != 0; ++text) {
        appendEscapedUnit(out, *text);
    }
    out += '"';
}

void appendKey(std::string& out, const char* key) {
    out += '"';
    out += key;
    out += "\":";
}

void appendNumber(std::string& out, long long value) {
    char digits[24];
    std::snprintf(digits, sizeof digits, "%lld", value);
    out += digits;
}

const char* colorName(ConsoleColor color) {
    switch (color) {
        case ConsoleColor::red:
            return "\"red\"";
        case ConsoleColor::green:
            return "\"green\"";
        default:
            return "\"black\"";
    }
}

const char* parsedName(ParsedSentence parsed) {
    switch (parsed) {
        case ParsedSentence::rmc:
            return "\"RMC\"";
        case ParsedSentence::gsa:
            return "\"GSA\"";
        case ParsedSentence::gsv:
            return "\"GSV\"";
        default:
            return "null";
    }
}

void appendFixLocalTime(std::string& out, const CivilTime& t) {
    if (isAllZero(t)) {
        out += "null";
        return;
    }
    char text[40];
    std::snprintf(text, sizeof text, "\"%04d-%02d-%02d %02d:%02d:%02d\"", t.year, t.month, t.day,
                  t.hour, t.minute, t.second);
    out += text;
}

void appendFix(std::string& out, const FixTexts& fix) {
    const struct {
        const char* name;
        const FixText& text;
    } fields[] = {{"dateText", fix.dateText},
                  {"timeText", fix.timeText},
                  {"directionText", fix.directionText},
                  {"speedText", fix.speedText},
                  {"statusText", fix.statusText},
                  {"hdopText", fix.hdopText},
                  {"pdopText", fix.pdopText},
                  {"latHemisphere", fix.latHemisphere},
                  {"latText", fix.latText},
                  {"lonHemisphere", fix.lonHemisphere},
                  {"lonText", fix.lonText}};
    out += '{';
    bool first = true;
    for (const auto& field : fields) {
        out += first ? "" : ",";
        first = false;
        appendKey(out, field.name);
        appendString(out, field.text.c_str());
    }
    out += '}';
}

bool isListed(const SatRecord& record) {
    return record.inView != 0 || record.usedInFix != 0;
}

void appendRecord(std::string& out, int index, const SatRecord& r) {
    char text[96];
    std::snprintf(text, sizeof text, "[%d,%d,%d,%d,%d,%d,%d]", index, r.inView, r.usedInFix,
                  static_cast<int>(r.snr), static_cast<int>(r.plotX), static_cast<int>(r.plotY),
                  static_cast<int>(r.prn));
    out += text;
}

// Appends the table's listed records; returns false, appending nothing, when none is listed.
bool appendTable(std::string& out, const char* name, const SatTable& table, bool needsComma) {
    bool any = false;
    for (int index = 0; index < satTableSize; ++index) {
        const SatRecord& record = table.records[index];
        if (!isListed(record)) {
            continue;
        }
        if (!any) {
            out += needsComma ? "," : "";
            appendKey(out, name);
            out += '[';
        } else {
            out += ',';
        }
        any = true;
        appendRecord(out, index, record);
    }
    if (any) {
        out += ']';
    }
    return any;
}

void appendTables(std::string& out, const ReceiverState& state) {
    out += '{';
    bool needsComma = false;
    for (int t = 0; t < satTableCount; ++t) {
        needsComma |= appendTable(out, satTableKey(t), state.tables[t], needsComma);
    }
    out += '}';
}

}  // namespace

void appendTraceLine(std::string& out, const TraceLine& line) {
    const LineReport& report = line.intake.lastLine();
    const HeadlessHost& host = line.host;
    out += "{\"n\":";
    appendNumber(out, static_cast<long long>(line.number));
    out += ",\"tick\":";
    appendNumber(out, line.tick);
    out += ",\"line\":";
    appendString(out, line.intake.line());
    out += ",\"color\":";
    out += colorName(host.currentColor);
    out += report.checksumOk ? ",\"checksumOk\":true" : ",\"checksumOk\":false";
    out += ",\"parsed\":";
    out += parsedName(report.parsed);
    out += report.shown ? ",\"shown\":true" : ",\"shown\":false";
    out += host.consoleCleared ? ",\"consoleCleared\":true" : ",\"consoleCleared\":false";
    out += ",\"repaints\":";
    appendNumber(out, host.repaintRequests);
    out += ",\"title\":";
    appendString(out, host.title.c_str());
    out += ",\"coreVer\":";
    appendString(out, host.coreVersion.c_str());
    out += ",\"fwVer\":";
    appendString(out, host.firmwareVersion.c_str());
    out += host.gsvGsaChecked ? ",\"gsvGsaChecked\":true" : ",\"gsvGsaChecked\":false";
    out += ",\"fixLocalTime\":";
    appendFixLocalTime(out, line.state.fixLocalTime);
    out += ",\"fix\":";
    appendFix(out, line.state.fix);
    out += ",\"tables\":";
    appendTables(out, line.state);
    out += "}\n";
}
