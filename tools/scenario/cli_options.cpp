#include "cli_options.h"

#include <cstdint>
#include <optional>

#include "base/whole_number.h"

namespace skyvane::scenario {

namespace {

std::optional<std::uint64_t> wholeNumber(std::string_view text) {
    std::int64_t value = 0;
    if (text.empty() || text[0] == '-' || text[0] == '+' ||
        !parseWholeNumber(text.data(), text.data() + text.size(), 0, INT64_MAX, &value)) {
        return std::nullopt;
    }
    return static_cast<std::uint64_t>(value);
}

std::optional<int> parseDigits(std::string_view text, std::size_t offset, std::size_t count) {
    const auto value = wholeNumber(text.substr(offset, count));
    if (!value) {
        return std::nullopt;
    }
    return static_cast<int>(*value);
}

bool hasSeparators(std::string_view text) {
    return text.size() == 19 && text[4] == '-' && text[7] == '-' && text[10] == 'T' &&
           text[13] == ':' && text[16] == ':';
}

// YYYY-MM-DDThh:mm:ss; whether it is a real date is checked with the other options.
bool parseStart(std::string_view text, ScenarioOptions& options) {
    if (!hasSeparators(text)) {
        return false;
    }
    const auto year = parseDigits(text, 0, 4);
    const auto month = parseDigits(text, 5, 2);
    const auto day = parseDigits(text, 8, 2);
    const auto hour = parseDigits(text, 11, 2);
    const auto minute = parseDigits(text, 14, 2);
    const auto second = parseDigits(text, 17, 2);
    if (!year || !month || !day || !hour || !minute || !second) {
        return false;
    }
    options.year = *year;
    options.month = *month;
    options.day = *day;
    options.hour = *hour;
    options.minute = *minute;
    options.second = *second;
    return true;
}

bool parseBoundedInt(std::string_view text, std::uint64_t maximum, int& target) {
    const auto value = wholeNumber(text);
    if (!value || *value > maximum) {
        return false;
    }
    target = static_cast<int>(*value);
    return true;
}

bool parseSeed(std::string_view text, unsigned& target) {
    const auto value = wholeNumber(text);
    if (!value || *value > UINT32_MAX) {
        return false;
    }
    target = static_cast<unsigned>(*value);
    return true;
}

// Empty when the value was taken, otherwise what was wrong with it.
std::string applyOption(std::string_view name, std::string_view value, ScenarioOptions& options) {
    if (name == "--seconds") {
        return parseBoundedInt(value, maxScenarioSeconds, options.seconds)
                   ? ""
                   : "--seconds needs a whole number of seconds";
    }
    if (name == "--fix-after") {
        return parseBoundedInt(value, maxScenarioSeconds, options.fixAfterSeconds)
                   ? ""
                   : "--fix-after needs a whole number of seconds";
    }
    if (name == "--start") {
        return parseStart(value, options) ? "" : "--start needs YYYY-MM-DDThh:mm:ss";
    }
    if (name == "--seed") {
        return parseSeed(value, options.seed) ? "" : "--seed needs a number from 0 to 4294967295";
    }
    if (name == "--rate") {
        return parseBoundedInt(value, maxEpochsPerSecond, options.epochsPerSecond)
                   ? ""
                   : "--rate needs 1, 2, 4, 5 or 10 epochs a second";
    }
    if (name == "--qzss-gsa") {
        options.qzssGsa = true;
        return "";
    }
    return "unknown option '" + std::string(name) + "'";
}

bool takesValue(std::string_view name) {
    return name == "--seconds" || name == "--fix-after" || name == "--start" || name == "--seed" ||
           name == "--rate";
}

}  // namespace

std::string_view usageText() {
    return "usage: skyvane-scenario [--seconds N] [--fix-after S] "
           "[--start YYYY-MM-DDThh:mm:ss] [--seed N] [--rate HZ] [--qzss-gsa]";
}

CommandLine parseCommandLine(const std::vector<std::string>& arguments) {
    CommandLine result;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view name = arguments[i];
        if (name == "--help" || name == "-h") {
            result.showHelp = true;
            return result;
        }
        if (takesValue(name) && i + 1 == arguments.size()) {
            result.error = std::string(name) + " needs a value";
            return result;
        }
        const std::string_view value = takesValue(name) ? std::string_view(arguments[++i]) : "";
        result.error = applyOption(name, value, result.options);
        if (!result.error.empty()) {
            return result;
        }
    }
    result.error = describeScenarioProblem(result.options);
    return result;
}

}  // namespace skyvane::scenario
