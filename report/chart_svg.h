#pragma once
// A chart's display list as an SVG element, to stand inline in the report's
// HTML page or alone as a file: the operations in order, texts escaped, in
// the system's own sans-serif fonts.

#include <string>

struct ChartDisplayList;

// `label` (ASCII or UTF-8) names the chart to a screen reader.
void appendChartSvg(std::string& out, const ChartDisplayList& list, const char* label);
