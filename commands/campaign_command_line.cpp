#include "campaign_command_line.h"

#include <cstring>

#include "base/whole_number.h"
#include "serial/baud_rates.h"
#include "stats/reference_position.h"

namespace {

constexpr std::int64_t longestTimeoutS = 3600;
constexpr std::int64_t mostStarts = maxCampaignStarts;

// "cold:20"
int parseKindAndCount(const char* text, CampaignSettings* settings) {
    const char* colon = std::strchr(text, ':');
    char kind[16];
    const std::size_t length = colon != nullptr ? static_cast<std::size_t>(colon - text) : 0;
    if (colon == nullptr || length >= sizeof kind) {
        return 0;
    }
    std::memcpy(kind, text, length);
    kind[length] = 0;
    std::int64_t count = 0;
    if (!parseStartKind(kind, &settings->kind) ||
        !parseWholeNumber(colon + 1, 1, mostStarts, &count)) {
        return 0;
    }
    settings->count = static_cast<int>(count);
    return 1;
}

int parseFamily(const char* text, CampaignSettings* settings) {
    if (std::strcmp(text, "auto") == 0) {
        settings->choice = FamilyChoice::automatic;
        return 1;
    }
    if (std::strcmp(text, "all") == 0) {
        settings->choice = FamilyChoice::all;
        return 1;
    }
    for (CommandFamily family : {CommandFamily::psrf, CommandFamily::pmtk, CommandFamily::pair,
                                 CommandFamily::at, CommandFamily::ubx}) {
        if (std::strcmp(text, commandFamilyName(family)) == 0) {
            settings->choice = FamilyChoice::one;
            settings->family = family;
            return 1;
        }
    }
    return 0;
}

// "COM7" only: the port a lab script names.
int parsePort(const char* text, PortPath* port) {
    char16_t label[16];
    std::size_t length = std::strlen(text);
    if (length < 4 || length >= 16 || std::strncmp(text, "COM", 3) != 0) {
        return 0;
    }
    std::int64_t number = 0;
    if (!parseWholeNumber(text + 3, 1, 255, &number)) {
        return 0;
    }
    for (std::size_t i = 0; i <= length; ++i) {
        label[i] = static_cast<char16_t>(text[i]);
    }
    return portPathFromLabel(label, port);
}

int parseBaud(const char* text, int* index) {
    std::int64_t rate = 0;
    if (!parseWholeNumber(text, 1, 100000000, &rate)) {
        return 0;
    }
    for (int i = 0; i < baudRateCount; ++i) {
        if (baudRates[i] == rate) {
            *index = i;
            return 1;
        }
    }
    return 0;
}

int parseSeconds(const char* text, std::int64_t lowest, int* seconds) {
    std::int64_t value = 0;
    if (!parseWholeNumber(text, lowest, longestTimeoutS, &value)) {
        return 0;
    }
    *seconds = static_cast<int>(value);
    return 1;
}

struct OptionReader {
    const char* name;
    int (*read)(const char* value, CampaignCommandLine* line);
    const char* expected;
};

const OptionReader optionReaders[] = {
    {"--campaign",
     [](const char* v, CampaignCommandLine* l) { return parseKindAndCount(v, &l->settings); },
     "KIND:COUNT, such as cold:20"},
    {"--port", [](const char* v, CampaignCommandLine* l) { return parsePort(v, &l->port); },
     "a port such as COM7"},
    {"--baud", [](const char* v, CampaignCommandLine* l) { return parseBaud(v, &l->baudIndex); },
     "one of the eight rates"},
    {"--family", [](const char* v, CampaignCommandLine* l) { return parseFamily(v, &l->settings); },
     "auto, all or a family"},
    {"--timeout",
     [](const char* v, CampaignCommandLine* l) { return parseSeconds(v, 1, &l->settings.timeoutS); },
     "seconds"},
    {"--settle",
     [](const char* v, CampaignCommandLine* l) { return parseSeconds(v, 0, &l->settings.settleS); },
     "seconds"},
    {"--reference",
     [](const char* v, CampaignCommandLine* l) {
         GeoPoint reference;
         if (!parseReferenceArgument(v, &reference)) {
             return 0;
         }
         l->reference = reference;
         return 1;
     },
     "LAT,LON in degrees"},
    {"--report", [](const char* v, CampaignCommandLine* l) { return (l->reportPath = v, 1); }, ""},
    {"--limits", [](const char* v, CampaignCommandLine* l) { return (l->limitsPath = v, 1); }, ""},
};

// One option and its value; 0 with the reason for anything wrong.
int parseOption(const char* option, const char* value, CampaignCommandLine* line,
                const char** error) {
    for (const OptionReader& reader : optionReaders) {
        if (std::strcmp(option, reader.name) == 0) {
            if (!reader.read(value, line)) {
                *error = reader.expected;
                return 0;
            }
            line->given = line->given || std::strcmp(reader.name, "--campaign") == 0;
            return 1;
        }
    }
    *error = "an unknown option";
    return 0;
}

bool anyOption(int argc, const char* const* argv) {
    for (int i = 1; i < argc; ++i) {
        if (std::strncmp(argv[i], "--", 2) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

int parseCampaignCommandLine(int argc, const char* const* argv, CampaignCommandLine* line,
                             const char** error) {
    *line = CampaignCommandLine();
    if (!anyOption(argc, argv)) {
        return 1;  // the program has always started whatever else it was given
    }
    for (int i = 1; i < argc; i += 2) {
        if (i + 1 >= argc) {
            *error = "an option without its value";
            return 0;
        }
        if (!parseOption(argv[i], argv[i + 1], line, error)) {
            return 0;
        }
    }
    if (!line->given || line->port.empty() || line->baudIndex < 0 || line->reportPath == nullptr) {
        *error = "--campaign, --port, --baud and --report are all needed";
        return 0;
    }
    return 1;
}
