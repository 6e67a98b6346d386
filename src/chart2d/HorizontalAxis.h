#pragma once

class CDC;
class CDocSnapshot;
struct CHAxisRange;
struct CPageLayout;
struct CPlotSettings;

// Whether the axis has a title line under its labels: the x values' name
// (and, on a time axis, the date its labels leave out).
bool HasHorizontalTitle(const CDocSnapshot& doc, const CHAxisRange& h);

// Grid lines and labels of the horizontal axis, with the pen already selected.
// The axis labels the plot's width from h.min to h.max with a scale of its
// own. Placed by the region, it does not move the data; when only its ends
// are labelled and the file gave the columns labels, an end at a column
// shows that column's label. Rounded ticks show at every tick that fits.
void DrawHorizontalAxis(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout,
                        const CHAxisRange& h);
