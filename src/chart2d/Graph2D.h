#pragma once

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// The scatter, line or stacked chart of the document's region, with axes,
// title, legend and plot frame, on the page of layout. Leaves the plot
// rectangle and scales in layout.
void DrawGraph2D(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout);
