#pragma once
// One JSON object on one line, written into a buffer the caller owns. The bench's
// programs answer every command with such a line, so a harness can read them one by one.
// Every append is bounded: what does not fit is dropped and overflowed() reports it.

#include <cstddef>
#include <cstdint>

class JsonWriter {
public:
    JsonWriter(char* buffer, std::size_t capacity);

    JsonWriter& field(const char* key, const char* utf8);
    JsonWriter& field(const char* key, const char16_t* utf16, std::size_t count);
    JsonWriter& field(const char* key, std::int64_t number);
    JsonWriter& field(const char* key, bool value);
    JsonWriter& nullField(const char* key);

    // Arrays of strings or of objects, and nested objects: beginObject() opens an object
    // inside an array, beginObject(key) one as a field.
    JsonWriter& beginArray(const char* key);
    JsonWriter& endArray();
    JsonWriter& beginObject();
    JsonWriter& beginObject(const char* key);
    JsonWriter& endObject();
    JsonWriter& element(const char* utf8);
    JsonWriter& element(const char16_t* utf16, std::size_t count);

    // Starts the object over, empty, for an answer that has to be written again.
    void reset();

    // Closes the outer object; the text is then NUL-terminated and has no line feed.
    const char* finish();
    std::size_t length() const { return used; }
    bool overflowed() const { return truncated; }

private:
    void separate();
    void key(const char* name);
    void raw(const char* text);
    void put(char c);
    void quotedUtf8(const char* text);
    void quotedUtf16(const char16_t* text, std::size_t count);
    void escapedCodePoint(std::uint32_t codePoint);

    char* out;
    std::size_t outCapacity;
    std::size_t used = 0;
    bool truncated = false;
    bool needComma = false;
    bool finished = false;
};
