#pragma once
// The start campaign's charts: the time to first fix of each start (a start
// that did not fix marked at the top, in red) and their distribution.

#include "chart_display_list.h"
#include "stats/campaign_report.h"

constexpr std::int32_t campaignChartHeight = 300;
constexpr ChartColor ttffColor = 0x1F6FD1;
constexpr ChartColor failedStartColor = 0xCF222E;

void buildTtffChart(const CampaignReport& campaign, ChartDisplayList* list);
void buildTtffHistogram(const CampaignReport& campaign, ChartDisplayList* list);
