#include "xml_text.h"

namespace {

constexpr char32_t replacementCharacter = 0xFFFD;

bool isHighSurrogate(char32_t unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(char32_t unit) {
    return unit >= 0xDC00 && unit <= 0xDFFF;
}

bool xmlCanHold(char32_t code) {
    if (code < 0x20) {
        return code == 0x09 || code == 0x0A || code == 0x0D;
    }
    return code != 0xFFFE && code != 0xFFFF && !isHighSurrogate(code) && !isLowSurrogate(code);
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// A parser would turn a literal CR into LF; the reference keeps it.
const char* reference(char32_t code) {
    switch (code) {
        case '&':
            return "&amp;";
        case '<':
            return "&lt;";
        case '>':
            return "&gt;";
        case '"':
            return "&quot;";
        case '\'':
            return "&apos;";
        case '\r':
            return "&#13;";
        default:
            return nullptr;
    }
}

void appendCharacter(std::string& out, char32_t code) {
    if (const char* escaped = reference(code)) {
        out += escaped;
    } else {
        appendUtf8(out, xmlCanHold(code) ? code : replacementCharacter);
    }
}

}  // namespace

void appendXmlText(std::string& out, const char16_t* text) {
    for (const char16_t* unit = text; *unit != 0; ++unit) {
        const char32_t first = *unit;
        const char32_t second = unit[1];
        if (isHighSurrogate(first) && isLowSurrogate(second)) {
            appendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
            ++unit;
        } else {
            appendCharacter(out, first);
        }
    }
}
