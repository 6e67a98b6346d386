#pragma once

class CDC;
struct CPageLayout;
struct CPlotSettings;

// The underlined title, centred on the page's width above the plot rectangle.
void DrawTitle(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
