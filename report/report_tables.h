#pragma once
// The report page's tables, each a whole <table> element: the limits, the
// stream, the position, the signals per table and band, every satellite,
// and a start campaign's outcome.

#include <string>

#include "stats/run_report.h"

void appendLimitsTable(std::string& out, const RunReport& report);
void appendStreamTable(std::string& out, const RunReport& report);
void appendSentenceTypesTable(std::string& out, const LinesReport& lines);
void appendPositionTable(std::string& out, const PositionReport& position);
void appendCampaignTable(std::string& out, const CampaignReport& campaign);
void appendSignalsTable(std::string& out, const SignalsReport& signals);
void appendSatellitesTable(std::string& out, const SatellitesReport& satellites);
