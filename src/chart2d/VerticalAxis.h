#pragma once

class CDC;
struct CPageLayout;
struct CPlotSettings;

// Grid lines and labels of the vertical axis, with the pen already selected:
// linear ticks, decades on a logarithmic axis, or only the two ends when the
// range is empty or inverted or the step is 0.
void DrawVerticalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
