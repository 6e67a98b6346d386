#pragma once
// The frame of a 2D chart: plot rectangle, plot area, scale factors, title and
// both axes, and the border drawn over the finished plot.

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// Lays the plot rectangle and the scale factors out on the page of layout,
// then draws the plot area, the title, the vertical axis and the horizontal axis.
void DrawAxes(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout);
// Whether the chart has a V axis at the right: some series reads on it (the
// stacked chart reads all on the left).
bool RightAxisShown(const CPlotSettings& s);
// The width-2 border around the plot rectangle.
void DrawPlotFrame(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
