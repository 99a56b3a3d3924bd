#pragma once
// How long the receiver takes to fix again after each start, by kind: the next value of
// a list given on the command line (used in order, its last value repeating), else a
// draw from a seeded distribution around the kind's typical time, else nothing: a start
// of that kind then leaves the fix to the stream.

#include <cstdint>
#include <iterator>
#include <optional>
#include <vector>

#include "clock.h"
#include "commands/start_commands.h"

class TtffPlan {
public:
    // The typical time to first fix of each kind, the mean of the seeded draws.
    static Micros typicalTtff(StartKind kind);

    // "cold=31.2,28.9,35.0": the kind, then seconds (up to 3600, rounded to the
    // millisecond). A later list for the same kind replaces the earlier one. Returns 1, or
    // 0 when the text is not such a list.
    int setList(const char* spec);
    void useSeed(std::uint64_t seed) { drawSeed = seed; }
    // From now on no start fixes again.
    void neverFix() { never = true; }

    // Whether the plan times the starts of the kind.
    bool times(StartKind kind) const;
    // The time to first fix of the kind's next start (a kind the plan times); none when
    // it never fixes. Each call takes the next value.
    std::optional<Micros> next(StartKind kind);

private:
    Micros draw(StartKind kind, std::uint64_t index) const;

    std::vector<Micros> lists[std::size(allStartKinds)];
    std::uint64_t taken[std::size(allStartKinds)] = {};
    std::optional<std::uint64_t> drawSeed;
    bool never = false;
};
