#pragma once

class CDC;
struct CPageLayout;
struct CPlotSettings;

// Grid lines and labels of the vertical axis, with the pen already selected:
// linear ticks, decades on a logarithmic axis, or only the two ends when the
// range is empty or inverted or the step is 0.
void DrawVerticalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
// The V axis at the right of the plot, for the series that read on it: its
// labels right of the plot and short ticks there, its grid left to the other.
void DrawRightAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
