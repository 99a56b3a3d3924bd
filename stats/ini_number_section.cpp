#include "ini_number_section.h"

namespace {

// What of a text an error message quotes.
constexpr int quotedLength = 40;

int quoteLength(std::string_view text) {
    return text.size() < quotedLength ? static_cast<int>(text.size()) : quotedLength;
}

}  // namespace

IniNumberSection::IniNumberSection(const char* sectionName, const char* const* keyNames,
                                   int keyNameCount, const char* fileName)
    : section(sectionName),
      keys(keyNames),
      keyCount(keyNameCount < maxSectionKeys ? keyNameCount : maxSectionKeys),
      file(fileName) {}

int IniNumberSection::takeLine(std::string_view text, int lineNumber) {
    if (text.size() > maxIniLineLength) {
        setIniError(&lastError, file, lineNumber, "line longer than %d characters",
                    static_cast<int>(maxIniLineLength));
        return 0;
    }
    const IniLine line = parseIniLine(text);
    if (line.kind == IniLineKind::section) {
        inSection = sameNameIgnoringCase(line.name, section);
        sectionSeen = sectionSeen || inSection;
        return 1;
    }
    if (!inSection || line.kind == IniLineKind::skipped) {
        return 1;
    }
    if (line.kind == IniLineKind::malformed) {
        setIniError(&lastError, file, lineNumber, "expected KEY=number in [%s], found \"%.*s\"",
                    section, quoteLength(text), text.data());
        return 0;
    }
    return takeKeyValue(line, lineNumber);
}

int IniNumberSection::takeKeyValue(const IniLine& line, int lineNumber) {
    const int key = keyIndex(line.name);
    const int nameLength = quoteLength(line.name);
    if (key < 0) {
        setIniError(&lastError, file, lineNumber, "unknown key %.*s in [%s]", nameLength,
                    line.name.data(), section);
        return 0;
    }
    if (const IniNumber* earlier = find(key)) {
        setIniError(&lastError, file, lineNumber, "%s given twice (first on line %d)", keys[key],
                    earlier->line);
        return 0;
    }
    IniNumber& number = numbers[numberCount];
    if (line.value.empty() || !parseDecimalNumber(line.value, &number.value)) {
        setIniError(&lastError, file, lineNumber, "%s needs a number, found \"%.*s\"", keys[key],
                    quoteLength(line.value), line.value.data());
        return 0;
    }
    number.key = key;
    number.line = lineNumber;
    ++numberCount;
    return 1;
}

int IniNumberSection::keyIndex(std::string_view name) const {
    for (int key = 0; key < keyCount; ++key) {
        if (sameNameIgnoringCase(name, keys[key])) {
            return key;
        }
    }
    return -1;
}

const IniNumber* IniNumberSection::find(int key) const {
    for (int i = 0; i < numberCount; ++i) {
        if (numbers[i].key == key) {
            return &numbers[i];
        }
    }
    return nullptr;
}

int readIniText(const char* text, std::size_t length, IniNumberSection& section) {
    return forEachIniLine(text, length, [&](std::string_view line, int number) {
        return section.takeLine(line, number);
    });
}
