#include "line_counts.h"

// A line carries a checksum when "*" and two units end it before its line
// end, CR LF or a bare LF: a receiver (or a logger) that ends lines in LF
// alone still sends checksums, which the checksum step refuses for the line
// end, so they count as bad, as the console shows them, not as absent.
ChecksumKind checksumKindOf(const char16_t* line, std::size_t length, bool checksumOk) {
    std::size_t end = length;
    if (end > 0 && line[end - 1] == u'\n') {
        --end;
    }
    if (end > 0 && line[end - 1] == u'\r') {
        --end;
    }
    if (end < 3 || line[end - 3] != u'*') {
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
