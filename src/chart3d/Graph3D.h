#pragma once

class CDC;
class CSorvDoc;
struct CPageLayout;
struct CPlotSettings;

// The 3D chart of the document's region on the page of layout: page area,
// title, cells in the chosen model and, with the legend switch, the box.
// Leaves the fit scale in layout.
void DrawGraph3D(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, CPageLayout& layout);
