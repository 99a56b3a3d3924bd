#include "split_fields.h"

static bool endsLine(char16_t unit) {
    return unit == u'\r' || unit == 0;
}

static bool isDelimiter(char16_t unit) {
    return unit == u',' || unit == u'*' || endsLine(unit);
}

// Copies one field and returns its delimiter's position. A field longer than
// the slot keeps its first width - 1 units; the rest is skipped, so the fields
// after it land where they would after a short one.
static const char16_t* copyField(const char16_t* from, char16_t* slot, int width) {
    int n = 0;
    while (!isDelimiter(*from)) {
        if (n < width - 1) {
            slot[n++] = *from;
        }
        ++from;
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
