#pragma once
// The report's charts over the run's time, from its history: the top-4
// strength per band, the satellites tracked and used per band, and the
// horizontal error. The x axis is the receiver's time since the first epoch
// (seconds, minutes or hours by the run's length), or the epoch's number
// when the RMC sentences carried no time.

#include <optional>

#include "chart_display_list.h"
#include "stats/geodesy.h"
#include "stats/run_history.h"

constexpr std::int32_t timeChartHeight = 300;

// The colours of the series, for the page's captions and its tests.
constexpr ChartColor l1Color = 0x1F6FD1;      // L1 top-4, L1 tracked
constexpr ChartColor l5Color = 0xE8710A;      // L5 top-4, L5 tracked
constexpr ChartColor l1UsedColor = 0x0B3A6E;  // L1 used
constexpr ChartColor l5UsedColor = 0x8F3F00;  // L5 used
constexpr ChartColor errorColor = 0x7B3FB8;

void buildStrengthChart(const RunHistory& history, ChartDisplayList* list);
void buildSatelliteChart(const RunHistory& history, ChartDisplayList* list);
// The RMS error of each point's fixes from the reference; none: no data.
void buildErrorChart(const RunHistory& history, const std::optional<GeoPoint>& reference,
                     ChartDisplayList* list);
