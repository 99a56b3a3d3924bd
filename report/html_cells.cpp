#include "html_cells.h"

#include <cmath>

#include "base/xml_text.h"
#include "stats/json_text.h"

namespace {

constexpr const char* noNumber = "\xE2\x80\x94";  // "—"

void openCell(std::string& out, const char* tag) {
    out += '<';
    out += tag;
    out += '>';
}

void closeCell(std::string& out, const char* tag) {
    out += "</";
    out += tag;
    out += '>';
}

}  // namespace

void appendTextCell(std::string& out, const char* text, const char* tag) {
    openCell(out, tag);
    appendXmlTextUtf8(out, text);
    closeCell(out, tag);
}

void appendCountCell(std::string& out, std::int64_t value) {
    out += "<td>";
    appendInteger(out, value);
    out += "</td>";
}

void appendOptionalCountCell(std::string& out, const std::optional<std::int64_t>& value) {
    out += "<td>";
    if (value) {
        appendInteger(out, *value);
    } else {
        out += noNumber;
    }
    out += "</td>";
}

void appendOptionalNumber(std::string& out, const std::optional<double>& value, int decimals) {
    if (value && std::isfinite(*value)) {
        appendFixed(out, *value, decimals);
    } else {
        out += noNumber;
    }
}

void appendNumberCell(std::string& out, const std::optional<double>& value, int decimals) {
    out += "<td>";
    appendOptionalNumber(out, value, decimals);
    out += "</td>";
}

void appendRowStart(std::string& out, const char* label) {
    out += "<tr>";
    appendTextCell(out, label, "th");
}

void appendRowEnd(std::string& out) {
    out += "</tr>\n";
}
