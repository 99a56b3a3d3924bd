#pragma once
// JSON values written the same on every platform: real numbers with a fixed
// number of decimals, rounded half away from zero from the double itself
// (no printf rounding, no "-0"; only a number beyond 9e15 once scaled, which
// no report holds, is left to printf), and texts with every unit outside
// printable ASCII escaped.

#include <cstdint>
#include <optional>
#include <string>

void appendFixed(std::string& out, double value, int decimals);  // null if not finite
void appendInteger(std::string& out, std::int64_t value);
void appendOptionalFixed(std::string& out, const std::optional<double>& value, int decimals);
void appendOptionalInteger(std::string& out, const std::optional<std::int64_t>& value);
void appendJsonText(std::string& out, const char16_t* units, int count);
void appendJsonText(std::string& out, const char* text);
