#pragma once
// One section of an INI text whose keys each take a number: [LIMITS] and
// [REFERENCE] of skyvane.ini, or a limits file. Fed a line at a time, so a
// file can be read through a small buffer. Lines outside the section are
// another reader's business; inside it, every line must be a comment, blank,
// or one of the known keys given once with a number.

#include <string_view>

#include "decimal_number.h"
#include "ini_line.h"

constexpr int maxSectionKeys = 16;

struct IniNumber {
    int key = 0;  // index into the section's key names
    DecimalNumber value;
    int line = 0;
};

class IniNumberSection {
public:
    // `keyNames`: keyCount names (at most maxSectionKeys); the pointers must
    // outlive the section, as must `fileName`.
    IniNumberSection(const char* sectionName, const char* const* keyNames, int keyCount,
                     const char* fileName);

    // Returns 1, or 0 with the error set; the first error ends the reading.
    int takeLine(std::string_view line, int lineNumber);

    bool sawSection() const { return sectionSeen; }
    // In file order.
    int count() const { return numberCount; }
    const IniNumber& entry(int index) const { return numbers[index]; }
    const IniNumber* find(int key) const;
    const IniError& error() const { return lastError; }
    const char* fileName() const { return file; }

private:
    int takeKeyValue(const IniLine& line, int lineNumber);
    int keyIndex(std::string_view name) const;

    const char* section;
    const char* const* keys;
    int keyCount;
    const char* file;
    bool inSection = false;
    bool sectionSeen = false;
    IniNumber numbers[maxSectionKeys];
    int numberCount = 0;
    IniError lastError;
};

// Every line of a whole text. Returns 1, or 0 with the section's error set.
int readIniText(const char* text, std::size_t length, IniNumberSection& section);
