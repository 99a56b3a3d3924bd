#include "replay_summary.h"

#include "nmea/sat_table_names.h"
#include "replay_session.h"

namespace {

// Texts here are ASCII; anything else prints as '?'.
void printText(std::FILE* out, const char16_t* text) {
    for (; *text != 0; ++text) {
        if (*text == u'\r' || *text == u'\n') {
            continue;
        }
        std::fputc(*text >= 0x20 && *text < 0x7F ? static_cast<int>(*text) : '?', out);
    }
}

void printField(std::FILE* out, const char* label, const char16_t* text) {
    std::fprintf(out, "  %-12s ", label);
    printText(out, text);
    std::fputc('\n', out);
}

void printSatellites(std::FILE* out, const ReceiverState& state) {
    std::fprintf(out, "Satellites in view (number:level, * used in fix):\n");
    for (int t = 0; t < satTableCount; ++t) {
        int shown = 0;
        for (int n = 1; n < satTableSize; ++n) {
            const SatRecord& r = state.tables[t].records[n];
            if (!r.inView) {
                continue;
            }
            if (shown == 0) {
                std::fprintf(out, "  %s ", satTableLabel(t));
            }
            std::fprintf(out, " %d:%d%s", n, static_cast<int>(r.snr), r.usedInFix ? "*" : "");
            ++shown;
        }
        if (shown > 0) {
            std::fputc('\n', out);
        }
    }
}

}  // namespace

void ReplayCounts::count(const ReplaySession& session) {
    const LineReport& report = session.intake.lastLine();
    ++lines;
    checksumOk += report.checksumOk ? 1 : 0;
    speedAlerts += session.host.currentColor == ConsoleColor::green ? 1 : 0;
    rmc += report.parsed == ParsedSentence::rmc ? 1 : 0;
    gsa += report.parsed == ParsedSentence::gsa ? 1 : 0;
    gsv += report.parsed == ParsedSentence::gsv ? 1 : 0;
    consoleClears += session.host.consoleCleared ? 1 : 0;
}

void printReplaySummary(std::FILE* out, const char* source, const ReplayCounts& counts,
                        const ReplaySession& session) {
    const auto n = [](std::uint64_t v) { return static_cast<unsigned long long>(v); };
    std::fprintf(out, "Replay of %s\n", source);
    std::fprintf(out,
                 "Lines: %llu (%llu with a correct checksum, shown black and logged; %llu red)\n",
                 n(counts.lines), n(counts.checksumOk), n(counts.lines - counts.checksumOk));
    std::fprintf(
        out,
        "Parsed: %llu RMC, %llu GSA, %llu GSV; speed alerts: %llu; console emptied %llu times\n",
        n(counts.rmc), n(counts.gsa), n(counts.gsv), n(counts.speedAlerts),
        n(counts.consoleClears));
    std::fprintf(out, "Window title: ");
    printText(out, session.host.title.c_str());
    std::fprintf(out, "\nReceiver versions:\n");
    printField(out, "Core Ver:", session.host.coreVersion.c_str());
    printField(out, "FW Ver:", session.host.firmwareVersion.c_str());
    const FixTexts& fix = session.state.fix;
    std::fprintf(out, "Fix after the last line:\n");
    printField(out, "Date:", fix.dateText.c_str());
    printField(out, "Time:", fix.timeText.c_str());
    printField(out, "Status:", fix.statusText.c_str());
    printField(out, "Direction:", fix.directionText.c_str());
    printField(out, "Speed:", fix.speedText.c_str());
    printField(out, "HDOP:", fix.hdopText.c_str());
    printField(out, "PDOP:", fix.pdopText.c_str());
    std::fprintf(out, "  %-12s ", "Latitude:");
    printText(out, fix.latHemisphere.c_str());
    std::fputc(' ', out);
    printText(out, fix.latText.c_str());
    std::fprintf(out, "\n  %-12s ", "Longitude:");
    printText(out, fix.lonHemisphere.c_str());
    std::fputc(' ', out);
    printText(out, fix.lonText.c_str());
    std::fputc('\n', out);
    printSatellites(out, session.state);
}
