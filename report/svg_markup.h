#pragma once
// The pieces every SVG the program and its tools write is made of: whole and
// half numbers and colours as attributes, written the same on every platform.

#include <cstdint>
#include <string>

void appendSvgNumber(std::string& out, std::int64_t value);

// Half of a whole number, exactly: "7", "7.5" or "-0.5".
void appendSvgHalf(std::string& out, std::int64_t twice);

// ` name="value"`.
void appendSvgAttribute(std::string& out, const char* name, std::int64_t value);

// ` name="#rrggbb"` of a 0xRRGGBB colour.
void appendSvgColor(std::string& out, const char* name, std::uint32_t color);
