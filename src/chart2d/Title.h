#pragma once

class CDC;
struct CPlotSettings;

// The underlined title, centred on the page's width above the plot rectangle.
void DrawTitle(CDC& dc, const CPlotSettings& s);
