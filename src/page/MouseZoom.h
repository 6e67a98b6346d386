#pragma once
// What a drag or a double click over a chart does to the settings and the
// document's region. Positions are client pixels (y down); the layout of the
// page the drag was made over turns them back into data.

#include "gfx/GdiTypes.h"

class CSorvDoc;
struct CPageLayout;
struct CPlotSettings;

// A drag over a 2D chart: the V range follows the rectangle (unless xOnly),
// the region and the H range narrow to the whole columns under it. Returns
// false (nothing changed) when the rectangle misses the plot or the layout
// cannot map it (a printed page's layout is in 0.1 mm, not in pixels).
bool ZoomByDrag2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& layout, CPoint start, CPoint end,
                  int clientHeight, bool xOnly = false);
// A wheel step forward over a 2D chart at client x: the region narrows to
// four fifths of its column steps about the column under x, the H range in
// step. x is placed by the layout's plot rectangle, so that a layout of an
// older region of the same window serves as well.
bool ZoomByWheel2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& layout, int x);
// The region narrows to its columns hL..hR (0 is its first), the H range in
// step, as a drag does. False when they do not lie in the region.
bool NarrowColumns(CPlotSettings& s, CSorvDoc& doc, int hL, int hR);
// SetRegion with a range that narrows the region, also to the cell (0, 0).
bool NarrowRegion(CSorvDoc& doc, int x1, int y1, int x2, int y2);
// A drag over the 3D chart: the region narrows to the columns and rows under
// the rectangle, the client area taken as an unrotated top view.
bool ZoomByDrag3D(CSorvDoc& doc, const CPageLayout& layout, CPoint start, CPoint end, int clientWidth,
                  int clientHeight);
// A double click: the zoom (3D) or the axis ranges (2D), and the whole matrix.
void ResetZoom(CPlotSettings& s, CSorvDoc& doc);
