#pragma once
// The page: set-up for the screen or paper, dispatch to the chart, and the
// frame of the printed page.

class CDC;
class CSorvDoc;
struct CPlotSettings;

// Screen: a page of the client size in pixels. Paper (dc.m_bPrinting): the
// client rectangle scaled to fit the printable area, 80 % of it in 0.1 mm.
// Fills the page with the background colour.
void SetupPage(CDC& dc, CPlotSettings& s, int clientWidth, int clientHeight);
// The 0.5 mm frame around a printed page; nothing on the screen.
void DrawPageFrame(CDC& dc, const CPlotSettings& s);
// Set-up, the chart of s.m_nGraphType, the frame.
void DrawPage(CDC& dc, const CSorvDoc& doc, CPlotSettings& s, int clientWidth, int clientHeight);
// The first update of a new view: axis ranges and title from the document.
void InitialUpdate(CPlotSettings& s, const CSorvDoc& doc);
