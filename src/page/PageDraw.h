#pragma once
// The page: set-up for the screen or paper, dispatch to the chart, and the
// frame of the printed page.

#include "settings/PageLayout.h"

class CDC;
class CDocSnapshot;
struct CPlotSettings;

// Screen: a page of the client size in pixels, its text at least minText
// pixels high (0: as large as the page makes it). Paper (dc.m_bPrinting):
// the client rectangle scaled to fit the printable area, 80 % of it in 0.1 mm.
// Fills the page with the background colour; returns the page's size and kind.
CPageLayout SetupPage(CDC& dc, const CPlotSettings& s, int clientWidth, int clientHeight, double minText = 0.0);
// The 0.5 mm frame around a printed page; nothing on the screen.
void DrawPageFrame(CDC& dc, const CPlotSettings& s, const CPageLayout& layout);
// Set-up, the chart of s.m_nGraphType, the frame; returns the layout drawn.
CPageLayout DrawPage(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                     double minText = 0.0);
