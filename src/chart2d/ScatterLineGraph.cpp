#include "chart2d/ScatterLineGraph.h"

#include "chart2d/SeriesMapping.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <climits>

namespace {

// Half the side of a scatter marker, at least 2.
int MarkerHalfSize(int pageWidth)
{
    const int f = int(pageWidth * (1.0 / 475.2));
    return f < 2 ? 2 : f;
}

// The line pen width: pixels on the screen; on paper scaled from the printable
// width, so that a unit is 0.25 mm on a page 297 mm wide.
int LineWidth(const CDC& dc, const CPlotSettings& s)
{
    if (!dc.m_bPrinting)
        return s.m_nLineWidth;
    return TruncToInt(dc.GetDeviceCaps(HORZSIZE) * (1.0 / 297) * s.m_nLineWidth * 2.5).value_or(0);
}

// Whether a marker of half-size f around v stays within the int range.
bool MarkerFits(int v, int f)
{
    return v >= INT_MIN + f && v <= INT_MAX - f;
}

}  // namespace

void DrawScatterGraph(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l);
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crSeries[0]});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const int f = MarkerHalfSize(l.m_nPageWidth);
    for (int r = 0; r < map.Rows() && !dc.IsCancelled(); ++r) {
        const int row = doc.m_nY1 + r;
        dc.SelectObject(CBrush{s.m_crSeries[row % 7]});
        for (int c = 0; c < map.Columns(); ++c) {
            const auto x = map.X(c);
            const auto y = map.Y(doc.Value(row, doc.m_nX1 + c));
            if (x && y && MarkerFits(*x, f) && MarkerFits(*y, f))
                dc.Rectangle(*x - f, *y - f, *x + f, *y + f);
        }
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

void DrawLineGraph(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l);
    const int w = LineWidth(dc, s);
    const CPen oldPen = dc.SelectObject(CPen{s.m_nLineStyle, w, s.m_crSeries[0]});
    for (int r = 0; r < map.Rows() && !dc.IsCancelled(); ++r) {
        const int row = doc.m_nY1 + r;
        dc.SelectObject(CPen{s.m_nLineStyle, w, s.m_crSeries[row % 7]});
        bool drawing = false;  // the current position is the previous point
        for (int c = 0; c < map.Columns(); ++c) {
            const auto x = map.X(c);
            const auto y = map.Y(doc.Value(row, doc.m_nX1 + c));
            if (!x || !y)
                drawing = false;
            else if (drawing)
                dc.LineTo(*x, *y);
            else {
                dc.MoveTo(*x, *y);
                drawing = true;
            }
        }
    }
    dc.SelectObject(oldPen);
}
