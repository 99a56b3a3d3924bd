#include "ttff_plan.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>
#include <string>

#include "prng.h"

namespace {

constexpr Micros microsPerMs = 1000;
constexpr std::int64_t longestTtffMs = 3'600'000;
// The spread of the draws: a log-normal whose sigma gives most starts within about a
// quarter of the mean, a few well beyond, none below a quarter or above four times it.
constexpr double drawSigma = 0.25;
constexpr std::size_t longestList = 10'000;

std::size_t indexOf(StartKind kind) {
    return static_cast<std::size_t>(kind);
}

// Seconds such as "31.2" or "1", digits with at most one point, into milliseconds.
bool parseSeconds(const std::string& text, Micros* ms) {
    double value = 0;
    double scale = 0;  // 0 before the point, then the weight of the next digit
    bool digits = false;
    for (char c : text) {
        if (c == '.' && scale == 0) {
            scale = 0.1;
        } else if (c >= '0' && c <= '9') {
            digits = true;
            value = scale == 0 ? value * 10 + (c - '0') : value + (c - '0') * scale;
            scale /= scale == 0 ? 1 : 10;
        } else {
            return false;
        }
        if (value * 1000 > longestTtffMs) {
            return false;
        }
    }
    *ms = std::llround(value * 1000);
    return digits;
}

// A uniform value in (0, 1) from 53 bits of a mixed key.
double uniformOf(std::uint64_t key) {
    return (static_cast<double>(key >> 11) + 0.5) / 9007199254740992.0;
}

}  // namespace

Micros TtffPlan::typicalTtff(StartKind kind) {
    switch (kind) {
        case StartKind::hot:
            return 1'000 * microsPerMs;
        case StartKind::warm:
            return 25'000 * microsPerMs;
        case StartKind::cold:
            return 30'000 * microsPerMs;
        case StartKind::factory:
            return 35'000 * microsPerMs;
    }
    return 30'000 * microsPerMs;
}

int TtffPlan::setList(const char* spec) {
    const char* equals = std::strchr(spec, '=');
    StartKind kind = StartKind::cold;
    if (equals == nullptr || !parseStartKind(std::string(spec, equals).c_str(), &kind)) {
        return 0;
    }
    std::vector<Micros> values;
    const std::string list(equals + 1);
    std::size_t start = 0;
    while (values.size() < longestList) {
        const std::size_t comma = std::min(list.find(',', start), list.size());
        Micros ms = 0;
        if (!parseSeconds(list.substr(start, comma - start), &ms)) {
            return 0;
        }
        values.push_back(ms * microsPerMs);
        if (comma == list.size()) {
            lists[indexOf(kind)] = std::move(values);
            return 1;
        }
        start = comma + 1;
    }
    return 0;
}

bool TtffPlan::times(StartKind kind) const {
    return never || drawSeed.has_value() || !lists[indexOf(kind)].empty();
}

std::optional<Micros> TtffPlan::next(StartKind kind) {
    const std::uint64_t index = taken[indexOf(kind)]++;
    if (never) {
        return std::nullopt;
    }
    const std::vector<Micros>& list = lists[indexOf(kind)];
    if (!list.empty()) {
        return list[std::min<std::size_t>(index, list.size() - 1)];
    }
    if (drawSeed) {
        return draw(kind, index);
    }
    return std::nullopt;
}

// Box-Muller on two keyed uniforms, so a start's value depends only on the seed, its
// kind and how many of that kind came before.
Micros TtffPlan::draw(StartKind kind, std::uint64_t index) const {
    using skyvane::scenario::mixKey;
    const std::uint64_t kindKey = indexOf(kind);
    const double u1 = uniformOf(mixKey({*drawSeed, kindKey, index, 1}));
    const double u2 = uniformOf(mixKey({*drawSeed, kindKey, index, 2}));
    const double normal = std::sqrt(-2.0 * std::log(u1)) * std::cos(2.0 * std::numbers::pi * u2);
    const double mean = static_cast<double>(typicalTtff(kind) / microsPerMs);
    const double ms = std::clamp(mean * std::exp(drawSigma * normal - drawSigma * drawSigma / 2),
                                 mean / 4, mean * 4);
    return std::llround(ms) * microsPerMs;
}
