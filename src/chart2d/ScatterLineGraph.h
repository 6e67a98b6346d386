#pragma once
// The series of the scatter and line charts: one per row of the region,
// coloured by its document row as the legend shows it.

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// A square marker per value, filled in the series colour and outlined in the
// foreground colour; its half-size grows with the page width.
void DrawScatterGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout);
// An open line per series, with the line style and width of s. A point
// without a position breaks the line, which goes on from the next one.
void DrawLineGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout);
