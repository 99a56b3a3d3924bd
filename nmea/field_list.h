#pragma once
// Comma fields of one sentence, each in a fixed-width slot. A list keeps its
// contents between lines: a field a shorter line does not reach keeps the
// value an earlier line left in it.

#include <cstddef>
#include <cstdint>

struct FieldListRef {
    char16_t* first;
    int width;  // units per field, NUL included
    int count;  // number of fields the list holds
};

template <int Count, int Width>
struct FieldList {
    static_assert(Count > 0 && Width > 1, "a field list needs a field with room for a unit");

    char16_t fields[Count][Width] = {};

    const char16_t* operator[](int index) const { return fields[index]; }
    bool isEmpty(int index) const { return fields[index][0] == 0; }
    FieldListRef ref() { return FieldListRef{&fields[0][0], Width, Count}; }
};

// Where one field lies in its line, for a parser that reads its fields in
// place rather than from copies.
struct FieldSpan {
    std::uint32_t start;   // the index of its first unit
    std::uint32_t length;  // its units, up to its delimiter
};
