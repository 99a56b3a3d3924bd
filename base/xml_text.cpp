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

// The code point of the well-formed UTF-8 sequence at `bytes`, and its length
// in `length`; 0 when no well-formed sequence starts there (overlong forms,
// surrogates and code points past U+10FFFF are not well formed).
char32_t decodeUtf8(const unsigned char* bytes, int* length) {
    const unsigned lead = bytes[0];
    int count = 0;
    char32_t code = 0;
    char32_t least = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        count = 2, code = lead & 0x1F, least = 0x80;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        count = 3, code = lead & 0x0F, least = 0x800;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        count = 4, code = lead & 0x07, least = 0x10000;
    } else {
        return 0;
    }
    for (int i = 1; i < count; ++i) {
        if ((bytes[i] & 0xC0) != 0x80) {  // also stops at the NUL
            return 0;
        }
        code = (code << 6) | (bytes[i] & 0x3F);
    }
    if (code < least || code > 0x10FFFF || isHighSurrogate(code) || isLowSurrogate(code)) {
        return 0;
    }
    *length = count;
    return code;
}

}  // namespace

void appendXmlText(std::string& out, const char16_t* text) {
    appendXmlText(out, text, static_cast<std::size_t>(-1));
}

void appendXmlText(std::string& out, const char16_t* units, std::size_t count) {
    for (std::size_t i = 0; i < count && units[i] != 0; ++i) {
        const char32_t first = units[i];
        const char32_t second = i + 1 < count ? units[i + 1] : 0;
        if (isHighSurrogate(first) && isLowSurrogate(second)) {
            appendUtf8(out, 0x10000 + ((first - 0xD800) << 10) + (second - 0xDC00));
            ++i;
        } else {
            appendCharacter(out, first);
        }
    }
}

void appendXmlTextUtf8(std::string& out, const char* text) {
    const auto* bytes = reinterpret_cast<const unsigned char*>(text);
    while (*bytes != 0) {
        int length = 1;
        const char32_t code = *bytes < 0x80 ? *bytes : decodeUtf8(bytes, &length);
        appendCharacter(out, code != 0 ? code : replacementCharacter);
        bytes += length;
    }
}
