#pragma once
// What lies under the mouse in a 2D chart, read back through the scale maps the
// last screen draw left: the column and the value at the cursor, and the drawn
// point nearest to it within a few pixels.

#include "gfx/GdiTypes.h"

#include <optional>

class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// A cell of the document as a series draws it.
struct CChartPoint {
    int row = 0;
    int column = 0;
    double value = 0.0;  // the cell's own value (the stacked chart draws running totals)
};

struct CChartReadout {
    int column = 0;      // the document's column nearest the cursor
    double value = 0.0;  // the value at the cursor's height
    std::optional<double> x;  // the x value under the cursor, when the chart places x values
    std::optional<CChartPoint> point;
};

// How far from the cursor a drawn point is still found, in pixels.
constexpr int kPointReach = 5;

// The readout at client point p (y down) of a client area clientHeight pixels
// high. Nothing for a 3D chart, a point outside the plot, an empty region or
// a printed page's layout.
std::optional<CChartReadout> ReadChartAt(const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout,
                                         CPoint p, int clientHeight);
