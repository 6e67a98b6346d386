#pragma once

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// The stacked chart: each row of the region as a band from B up to the running
// total of the document's rows 0 through it, the last row first, coloured by
// its document row.
void DrawStackedGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout);
