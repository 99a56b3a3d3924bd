#pragma once
// Table cells of the report page: numbers written as the JSON writes them
// (the same text on every platform), "—" where a number could not be
// computed, and every text escaped.

#include <cstdint>
#include <optional>
#include <string>

// "<td>value</td>" and the like; `tag` is "td" or "th".
void appendTextCell(std::string& out, const char* text, const char* tag = "td");
void appendCountCell(std::string& out, std::int64_t value);
void appendOptionalCountCell(std::string& out, const std::optional<std::int64_t>& value);
void appendNumberCell(std::string& out, const std::optional<double>& value, int decimals);

// A number, or "—" when there is none (also for one that is not finite).
void appendOptionalNumber(std::string& out, const std::optional<double>& value, int decimals);

// "<tr><th>label</th>" then the caller's cells, then appendRowEnd.
void appendRowStart(std::string& out, const char* label);
void appendRowEnd(std::string& out);
