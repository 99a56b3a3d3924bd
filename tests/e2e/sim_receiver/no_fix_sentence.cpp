#include "no_fix_sentence.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

#include "sentence_builder.h"
#include "sentence_text.h"

namespace {

// What becomes of each field of a sentence, by its place (0 is the address): '.' stays,
// 'E' is emptied, 'V' becomes V (no fix), 'N' becomes N (mode: not valid), 'M' has each
// of its mode letters become N, '0' and '1' become that digit (GGA quality, GSA fix type).
struct SentenceChanges {
    const char* formatter;
    const char* fields;
};

const SentenceChanges noFixChanges[] = {
    {"RMC", "..VEEEEEE...NV"}, {"GGA", "..EEEE0.EEEEE"}, {"GSA", "..1EEEEEEEEEEEEEEE"},
    {"GLL", ".EEEE.VN"},       {"VTG", ".E.E.E.E.N"},    {"GNS", "..EEEEM.EEE..V"},
};

const SentenceChanges* changesFor(std::string_view line) {
    if (line.size() < 7 || line[0] != '$' || line[6] != ',') {
        return nullptr;
    }
    for (const SentenceChanges& changes : noFixChanges) {
        if (line.substr(3, 3) == changes.formatter) {
            return &changes;
        }
    }
    return nullptr;
}

void apply(char change, std::string& field) {
    switch (change) {
        case 'E':
            field.clear();
            return;
        case 'M':
            field.assign(field.size(), 'N');
            return;
        case '.':
            return;
        default:
            field.assign(1, change);
            return;
    }
}

std::vector<std::string> splitFields(std::string_view body) {
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (std::size_t comma = body.find(','); comma != std::string_view::npos;
         comma = body.find(',', start)) {
        fields.emplace_back(body.substr(start, comma - start));
        start = comma + 1;
    }
    fields.emplace_back(body.substr(start));
    return fields;
}

}  // namespace

std::size_t rewriteWithoutFix(const std::uint8_t* line, std::size_t length, std::uint8_t* out,
                              std::size_t capacity) {
    const std::string_view text(reinterpret_cast<const char*>(line), length);
    const SentenceChanges* changes = changesFor(text);
    if (changes == nullptr) {
        return 0;
    }
    const std::size_t end = std::min(text.find_first_of("\r\n"), length);
    const std::size_t star = std::min(text.find('*'), end);
    std::vector<std::string> fields = splitFields(text.substr(1, star - 1));
    const std::size_t changed = std::min(fields.size(), std::strlen(changes->fields));
    for (std::size_t i = 0; i < changed; ++i) {
        apply(changes->fields[i], fields[i]);
    }
    std::string rewritten = "$" + fields[0];
    for (std::size_t i = 1; i < fields.size(); ++i) {
        rewritten += "," + fields[i];
    }
    std::string tail(text.substr(star, end - star));
    if (checksumValid(std::string(text.substr(0, end)).c_str())) {
        char digits[4];
        std::snprintf(digits, sizeof digits, "*%02X",
                      skyvane::scenario::nmeaChecksum(std::string_view(rewritten).substr(1)));
        tail = digits;
    }
    rewritten += tail;
    rewritten += text.substr(end);
    if (rewritten.size() > capacity) {
        return 0;
    }
    std::memcpy(out, rewritten.data(), rewritten.size());
    return rewritten.size();
}
