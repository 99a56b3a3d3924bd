#pragma once
// Lines counted by sentence type: the units after a leading "$" up to the
// first ",", "*", CR or LF, at most ten of them ("GNRMC", "PMTK705"). Lines
// without "$" or with an empty type count as other, as do the lines of type
// "other" itself, so the report never names "other" twice. A fixed table: once it
// holds typeTableCapacity types, lines of further types count as other, and
// are counted apart so the report can say so.

#include <cstddef>
#include <cstdint>

constexpr int sentenceTypeUnits = 10;
constexpr int typeTableCapacity = 256;

struct SentenceType {
    char16_t units[sentenceTypeUnits] = {};
    int length = 0;
};

// False for a line that has no type (counted as other).
bool sentenceTypeOf(const char16_t* line, std::size_t length, SentenceType* type);

struct SentenceTypeCount {
    SentenceType type;
    std::uint64_t count = 0;
};

class SentenceTypeTable {
public:
    void clear();
    void count(const char16_t* line, std::size_t length);

    // The types in the order they were first seen.
    int typeCount() const { return used; }
    const SentenceTypeCount& entry(int index) const { return entries[index]; }
    std::uint64_t other() const { return otherLines; }
    // Lines of a type the full table could not take, included in other().
    std::uint64_t pastTable() const { return pastTableLines; }

private:
    // Twice the capacity, so an open-addressed probe stays short.
    static constexpr int slotCount = 2 * typeTableCapacity;

    int findSlot(const SentenceType& type) const;

    SentenceTypeCount entries[typeTableCapacity];
    std::int16_t slots[slotCount] = {};  // entry index + 1; 0 is empty
    int used = 0;
    std::uint64_t otherLines = 0;
    std::uint64_t pastTableLines = 0;
};
