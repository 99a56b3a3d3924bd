#pragma once
// The starts of a campaign as CSV, one row a start, for a spreadsheet:
// index, sentAt, outcome, ttffMs, usedAtFix, top4AtFix, errorAtFixM; a
// number that could not be measured is an empty cell.

#include <string>

#include "campaign_report.h"

void appendCampaignCsv(std::string& out, const CampaignReport& campaign);
