#pragma once

class CDC;
class CDocSnapshot;
struct CPageLayout;
struct CPlotSettings;

// The 3D chart of the document's region on the page of layout: page area,
// title, cells in the chosen model, with the legend switch the box and, with
// the value scale in a colour model, the colour bar. Leaves the fit scale and
// the width the surface is centred in in layout.
void DrawGraph3D(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout);
