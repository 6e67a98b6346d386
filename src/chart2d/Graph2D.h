#pragma once

class CDC;
class CSorvDoc;
struct CPlotSettings;

// The scatter, line or stacked chart of the document's region, with axes,
// title, legend and plot frame. Leaves the plot rectangle and scales in s.
void DrawGraph2D(CDC& dc, const CSorvDoc& doc, CPlotSettings& s);
