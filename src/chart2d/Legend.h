#pragma once

#include <optional>

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// The document's rows from row 0, a colour swatch and the first 12 bytes of the
// label each, in the strip right of the plot, as many as fit between T and B.
// A hidden series is listed faint, one on the right V axis with a swatch
// pointing right.
void DrawLegend(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout);

// The document row whose legend entry (swatch and label) holds page point
// (x, y) of a page drawn with layout; nothing when no entry does.
std::optional<int> LegendEntryAt(const CDocSnapshot& doc, const CPageLayout& layout, int x, int y);
