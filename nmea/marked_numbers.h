#pragma once
// The numbers 0 to 255 of the records in a satellite table that carry a mark,
// one bit each, so that clearing the marks visits only those records.

#include <bit>
#include <cstdint>

class MarkedNumbers {
public:
    static constexpr int wordCount = 4;

    void add(int number) { words[number / 64] |= std::uint64_t{1} << (number % 64); }

    // Bits 0 to 63 of word w are the numbers w * 64 to w * 64 + 63.
    std::uint64_t word(int w) const { return words[w]; }

    // Calls visit(number) for every number added since the last drain, in
    // ascending order, and forgets them.
    template <typename Visit>
    void drain(Visit&& visit) {
        for (int w = 0; w < wordCount; ++w) {
            for (std::uint64_t bits = words[w]; bits != 0; bits &= bits - 1) {
                visit(w * 64 + std::countr_zero(bits));
            }
            words[w] = 0;
        }
    }

private:
    std::uint64_t words[wordCount] = {};
};
