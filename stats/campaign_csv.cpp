#include "campaign_csv.h"

#include <cstdio>

namespace {

template <typename Number>
void appendCell(std::string& out, const std::optional<Number>& value, const char* format) {
    out += ',';
    if (value) {
        char text[40];
        std::snprintf(text, sizeof text, format, *value);
        out += text;
    }
}

}  // namespace

void appendCampaignCsv(std::string& out, const CampaignReport& campaign) {
    out += "index,sentAt,outcome,ttffMs,usedAtFix,top4AtFix,errorAtFixM\r\n";
    for (int i = 0; i < campaign.startCount && i < maxCampaignStarts; ++i) {
        const CampaignStart& start = campaign.starts[i];
        char head[80];
        std::snprintf(head, sizeof head, "%d,%s,%s", start.index, start.sentAt,
                      startOutcomeName(start.outcome));
        out += head;
        appendCell(out, start.ttffMs.has_value()
                            ? std::optional<long long>(static_cast<long long>(*start.ttffMs))
                            : std::nullopt,
                   "%lld");
        appendCell(out, start.usedAtFix.has_value()
                            ? std::optional<long long>(static_cast<long long>(*start.usedAtFix))
                            : std::nullopt,
                   "%lld");
        appendCell(out, start.top4AtFix, "%.2f");
        appendCell(out, start.errorAtFixM, "%.3f");
        out += "\r\n";
    }
}
