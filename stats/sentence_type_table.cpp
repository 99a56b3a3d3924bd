#include "sentence_type_table.h"

#include <algorithm>

namespace {

bool endsType(char16_t unit) {
    return unit == u',' || unit == u'*' || unit == u'\r' || unit == u'\n';
}

bool sameType(const SentenceType& a, const SentenceType& b) {
    if (a.length != b.length) {
        return false;
    }
    for (int i = 0; i < a.length; ++i) {
        if (a.units[i] != b.units[i]) {
            return false;
        }
    }
    return true;
}

// FNV-1a over the units.
std::uint32_t hashOf(const SentenceType& type) {
    std::uint32_t hash = 2166136261u;
    for (int i = 0; i < type.length; ++i) {
        hash = (hash ^ type.units[i]) * 16777619u;
    }
    return hash;
}

// The report's "other" is a key of its own; a "$other," line joins it
// rather than giving the object that key twice.
bool isOtherKey(const SentenceType& type) {
    const char16_t other[] = u"other";
    return type.length == 5 && std::equal(type.units, type.units + 5, other);
}

}  // namespace

bool sentenceTypeOf(const char16_t* line, std::size_t length, SentenceType* type) {
    type->length = 0;
    if (length == 0 || line[0] != u'$') {
        return false;
    }
    for (std::size_t i = 1; i < length && type->length < sentenceTypeUnits; ++i) {
        if (endsType(line[i])) {
            break;
        }
        type->units[type->length++] = line[i];
    }
    return type->length > 0;
}

void SentenceTypeTable::clear() {
    for (std::int16_t& slot : slots) {
        slot = 0;
    }
    used = 0;
    otherLines = 0;
    pastTableLines = 0;
}

// The slot holding the type, or the empty slot where it would go.
int SentenceTypeTable::findSlot(const SentenceType& type) const {
    int slot = static_cast<int>(hashOf(type) % slotCount);
    while (slots[slot] != 0 && !sameType(entries[slots[slot] - 1].type, type)) {
        slot = (slot + 1) % slotCount;
    }
    return slot;
}

void SentenceTypeTable::count(const char16_t* line, std::size_t length) {
    SentenceType type;
    if (!sentenceTypeOf(line, length, &type) || isOtherKey(type)) {
        ++otherLines;
        return;
    }
    const int slot = findSlot(type);
    if (slots[slot] != 0) {
        ++entries[slots[slot] - 1].count;
        return;
    }
    if (used == typeTableCapacity) {
        ++otherLines;
        ++pastTableLines;
        return;
    }
    entries[used].type = type;
    entries[used].count = 1;
    slots[slot] = static_cast<std::int16_t>(++used);
}
