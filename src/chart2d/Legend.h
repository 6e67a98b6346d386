#pragma once

class CDC;
class CSorvDoc;
struct CPageLayout;
struct CPlotSettings;

// The document's rows from row 0, a colour swatch and the first 12 bytes of the
// label each, in the strip right of the plot, as many as fit between T and B.
void DrawLegend(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& layout);
