#include "json_writer.h"

#include <cstdio>

JsonWriter::JsonWriter(char* buffer, std::size_t capacity) : out(buffer), outCapacity(capacity) {
    reset();
}

void JsonWriter::reset() {
    used = 0;
    truncated = false;
    needComma = false;
    finished = false;
    if (outCapacity > 0) {
        out[0] = 0;
    }
    put('{');
}

// One byte is always kept back for the terminator, and finish() keeps one more for the
// closing brace, so a cut object still ends in valid JSON when finish() drops its fields.
void JsonWriter::put(char c) {
    if (used + 2 >= outCapacity) {
        truncated = true;
        return;
    }
    out[used++] = c;
    out[used] = 0;
}

void JsonWriter::raw(const char* text) {
    for (; *text != 0; ++text) {
        put(*text);
    }
}

void JsonWriter::separate() {
    if (needComma) {
        put(',');
    }
    needComma = true;
}

void JsonWriter::key(const char* name) {
    separate();
    quotedUtf8(name);
    put(':');
}

void JsonWriter::escapedCodePoint(std::uint32_t codePoint) {
    char text[8];
    std::snprintf(text, sizeof text, "\\u%04x", static_cast<unsigned>(codePoint));
    raw(text);
}

void JsonWriter::quotedUtf8(const char* text) {
    put('"');
    for (const unsigned char* p = reinterpret_cast<const unsigned char*>(text); *p != 0; ++p) {
        if (*p == '"' || *p == '\\') {
            put('\\');
            put(static_cast<char>(*p));
        } else if (*p < 0x20 || *p == 0x7F) {
            escapedCodePoint(*p);
        } else {
            put(static_cast<char>(*p));
        }
    }
    put('"');
}

// UTF-16 to UTF-8; control characters and unpaired surrogates are escaped so that any
// window text survives the trip intact.
void JsonWriter::quotedUtf16(const char16_t* text, std::size_t count) {
    put('"');
    for (std::size_t i = 0; i < count; ++i) {
        std::uint32_t unit = text[i];
        const bool highSurrogate = unit >= 0xD800 && unit <= 0xDBFF;
        const bool pairFollows = i + 1 < count && text[i + 1] >= 0xDC00 && text[i + 1] <= 0xDFFF;
        if (highSurrogate && pairFollows) {
            unit = 0x10000 + ((unit - 0xD800) << 10) + (text[i + 1] - 0xDC00u);
            ++i;
        } else if (unit >= 0xD800 && unit <= 0xDFFF) {
            escapedCodePoint(unit);
            continue;
        }
        if (unit == '"' || unit == '\\') {
            put('\\');
            put(static_cast<char>(unit));
        } else if (unit < 0x20 || unit == 0x7F) {
            escapedCodePoint(unit);
        } else if (unit < 0x80) {
            put(static_cast<char>(unit));
        } else if (unit < 0x800) {
            put(static_cast<char>(0xC0 | (unit >> 6)));
            put(static_cast<char>(0x80 | (unit & 0x3F)));
        } else if (unit < 0x10000) {
            put(static_cast<char>(0xE0 | (unit >> 12)));
            put(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            put(static_cast<char>(0x80 | (unit & 0x3F)));
        } else {
            put(static_cast<char>(0xF0 | (unit >> 18)));
            put(static_cast<char>(0x80 | ((unit >> 12) & 0x3F)));
            put(static_cast<char>(0x80 | ((unit >> 6) & 0x3F)));
            put(static_cast<char>(0x80 | (unit & 0x3F)));
        }
    }
    put('"');
}

JsonWriter& JsonWriter::field(const char* name, const char* utf8) {
    key(name);
    quotedUtf8(utf8);
    return *this;
}

JsonWriter& JsonWriter::field(const char* name, const char16_t* utf16, std::size_t count) {
    key(name);
    quotedUtf16(utf16, count);
    return *this;
}

JsonWriter& JsonWriter::field(const char* name, std::int64_t number) {
    key(name);
    char text[24];
    std::snprintf(text, sizeof text, "%lld", static_cast<long long>(number));
    raw(text);
    return *this;
}

JsonWriter& JsonWriter::field(const char* name, bool value) {
    key(name);
    raw(value ? "true" : "false");
    return *this;
}

JsonWriter& JsonWriter::nullField(const char* name) {
    key(name);
    raw("null");
    return *this;
}

JsonWriter& JsonWriter::beginArray(const char* name) {
    key(name);
    put('[');
    needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endArray() {
    put(']');
    needComma = true;
    return *this;
}

JsonWriter& JsonWriter::beginObject() {
    separate();
    put('{');
    needComma = false;
    return *this;
}

JsonWriter& JsonWriter::beginObject(const char* name) {
    key(name);
    put('{');
    needComma = false;
    return *this;
}

JsonWriter& JsonWriter::endObject() {
    put('}');
    needComma = true;
    return *this;
}

JsonWriter& JsonWriter::element(const char* utf8) {
    separate();
    quotedUtf8(utf8);
    return *this;
}

JsonWriter& JsonWriter::element(const char16_t* utf16, std::size_t count) {
    separate();
    quotedUtf16(utf16, count);
    return *this;
}

// An object that did not fit is replaced by a short error object, so a reader never
// gets a cut line that it cannot parse.
const char* JsonWriter::finish() {
    if (finished) {
        return out;
    }
    finished = true;
    if (!truncated) {
        out[used++] = '}';
        out[used] = 0;
        return out;
    }
    static const char tooLong[] = "{\"ok\":false,\"error\":\"answer too long\"}";
    used = 0;
    for (const char* p = tooLong; *p != 0 && used + 1 < outCapacity; ++p) {
        out[used++] = *p;
    }
    out[used] = 0;
    return out;
}
