#include "line_counts.h"

ChecksumKind checksumKindOf(const char16_t* line, std::size_t length, bool checksumOk) {
    if (length < 5 || line[length - 5] != u'*') {
        return ChecksumKind::absent;
    }
    return checksumOk ? ChecksumKind::ok : ChecksumKind::bad;
}

void LineCounts::clear() {
    totalLines = okLines = badLines = absentLines = 0;
    typeTable.clear();
}

void LineCounts::count(const char16_t* line, std::size_t length, bool checksumOk) {
    ++totalLines;
    switch (checksumKindOf(line, length, checksumOk)) {
        case ChecksumKind::ok:
            ++okLines;
            break;
        case ChecksumKind::bad:
            ++badLines;
            break;
        case ChecksumKind::absent:
            ++absentLines;
            break;
    }
    typeTable.count(line, length);
}
