#include "split_fields.h"

#include <cstdint>

static bool endsLine(char16_t unit) {
    return unit == u'\r' || unit == 0;
}

// Every delimiter lies at or below ','; most units lie above, and pass one test.
static bool isDelimiter(char16_t unit) {
    constexpr std::uint64_t delimiters =
        std::uint64_t{1} << u',' | std::uint64_t{1} << u'*' | std::uint64_t{1} << u'\r' | 1;
    return unit <= u',' && (delimiters >> unit & 1) != 0;
}

// Copies one field and returns its delimiter's position. A field longer than
// the slot keeps its first width - 1 units; the rest is skipped, so the fields
// after it land where they would after a short one.
static const char16_t* copyField(const char16_t* from, char16_t* slot, int width) {
    int n = 0;
    for (; !isDelimiter(*from); ++from) {
        if (n < width - 1) {
            slot[n++] = *from;
        }
    }
    slot[n] = 0;
    return from;
}

int splitFields(const char16_t* line, FieldListRef list, int limit, SplitRule rule) {
    if (limit > list.count) {
        limit = list.count;
    }
    int written = 0;
    const char16_t* at = line;
    while (written < limit) {
        at = copyField(at, list.first + written * list.width, list.width);
        ++written;
        if (endsLine(*at)) {
            break;
        }
        ++at;  // over the delimiter
        if (rule == SplitRule::sentence && (endsLine(*at) || *at == u'*')) {
            break;
        }
    }
    return written;
}

// The index of the first delimiter from line[at] on, two units a step: the
// unit after one that is no delimiter, and so not the NUL, can be read.
static std::size_t delimiterFrom(const char16_t* line, std::size_t at) {
    for (;; at += 2) {
        if (isDelimiter(line[at])) {
            return at;
        }
        if (isDelimiter(line[at + 1])) {
            return at + 1;
        }
    }
}

int findFields(const char16_t* line, FieldSpan* spans, int limit, SplitRule rule) {
    int found = 0;
    std::size_t at = 0;
    while (found < limit) {
        const std::size_t end = delimiterFrom(line, at);
        spans[found++] = {static_cast<std::uint32_t>(at), static_cast<std::uint32_t>(end - at)};
        if (endsLine(line[end])) {
            break;
        }
        at = end + 1;  // over the delimiter
        if (rule == SplitRule::sentence && (endsLine(line[at]) || line[at] == u'*')) {
            break;
        }
    }
    return found;
}
