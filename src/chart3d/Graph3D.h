#pragma once

class CDC;
class CSorvDoc;
struct CPlotSettings;

// The 3D chart of the document's region: page area, title, cells in the
// chosen model and, with the legend switch, the box. Leaves the fit scale in s.
void DrawGraph3D(CDC& dc, const CSorvDoc& doc, CPlotSettings& s);
