#pragma once
// Moving the view of a 2D chart over the data: the middle button's drag and
// the Ctrl+arrow keys.

class CSorvDoc;
struct CPageLayout;
struct CPlotSettings;

// Moves the view by dx, dy page units, the data following (right and up
// positive): the V range by dy; the H range by dx and the region with it.
// Placed by the region, the region moves by whole columns inside the matrix,
// its width kept, and the H range in step; placed on the axis, the region
// takes the columns around the new H range. False when nothing moved (a
// printed page, an empty document, scales that place nothing).
bool PanView2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& layout, int dx, int dy);
