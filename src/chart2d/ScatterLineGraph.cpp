#include "chart2d/ScatterLineGraph.h"

#include "chart2d/Markers.h"
#include "chart2d/SeriesMapping.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

namespace {

// Half the side of a scatter marker, at least 2.
int MarkerHalfSize(int pageWidth)
{
    const int f = int(pageWidth * (1.0 / 475.2));
    return f < 2 ? 2 : f;
}

// A line pen width: pixels on the screen; on paper scaled from the printable
// width, so that a unit is 0.25 mm on a page 297 mm wide.
int LineWidth(const CDC& dc, int width)
{
    if (!dc.m_bPrinting)
        return width;
    return TruncToInt(dc.GetDeviceCaps(HORZSIZE) * (1.0 / 297) * width * 2.5).value_or(0);
}

// The markers of one series, with its pen and brush selected: outlined in
// the foreground colour, or in their own with plain markers (a cross is all outline).
void DrawSeriesMarkers(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CSeriesMapping& map, int row,
                       int chartSize)
{
    const CSeriesStyle& style = StyleOf(s, row);
    const COLORREF color = SeriesColor(s, row);
    const bool outlined = !s.m_bPlainMarkers && style.m_nMarker != MarkerShape::Cross;
    dc.SelectObject(CBrush{color});
    const CPen pen{PS_SOLID, 0, outlined ? s.m_crForeground : color};
    if (!(dc.GetCurrentPen() == pen))
        dc.SelectObject(pen);
    const int f = style.m_nMarkerSize > 0 ? style.m_nMarkerSize : chartSize;
    for (int c = 0; c < map.Columns(); c += map.Stride()) {
        const auto x = map.X(c);
        const auto y = map.Y(doc->Value(row, doc.m_nX1 + c), style.m_bRightAxis);
        if (x && y)
            DrawMarker(dc, style.m_nMarker, *x, *y, f);
    }
}

}  // namespace

void DrawScatterGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l, dc.m_bDraft);
    const CBrush oldBrush = dc.SelectObject(CBrush{SeriesColor(s, 0)});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const int f = MarkerHalfSize(l.m_nPageWidth);
    for (int r = 0; r < map.Rows() && dc.Proceed(r, map.Rows()); ++r) {
        const int row = doc.m_nY1 + r;
        if (!StyleOf(s, row).m_bHidden)
            DrawSeriesMarkers(dc, doc, s, map, row, f);
    }
    dc.SelectObject(oldBrush);
    dc.SelectObject(oldPen);
}

namespace {

// The line of one series through its points, with its own pen; a point
// without a position breaks it.
void DrawSeriesLine(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CSeriesMapping& map, int row)
{
    const CSeriesStyle& style = StyleOf(s, row);
    const int width = LineWidth(dc, style.m_nLineWidth >= 0 ? style.m_nLineWidth : s.m_nLineWidth);
    dc.SelectObject(CPen{style.m_nLineStyle >= 0 ? style.m_nLineStyle : s.m_nLineStyle, width, SeriesColor(s, row)});
    bool drawing = false;  // the current position is the previous point
    for (int c = 0; c < map.Columns(); c += map.Stride()) {
        const auto x = map.X(c);
        const auto y = map.Y(doc->Value(row, doc.m_nX1 + c), style.m_bRightAxis);
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

}  // namespace

void DrawLineGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l, dc.m_bDraft);
    const CBrush oldBrush = dc.GetCurrentBrush();
    const CPen oldPen = dc.SelectObject(CPen{s.m_nLineStyle, LineWidth(dc, s.m_nLineWidth), SeriesColor(s, 0)});
    for (int r = 0; r < map.Rows() && dc.Proceed(r, map.Rows()); ++r) {
        const int row = doc.m_nY1 + r;
        const CSeriesStyle& style = StyleOf(s, row);
        if (style.m_bHidden)
            continue;
        DrawSeriesLine(dc, doc, s, map, row);
        // Markers on a line are the user's choice.
        if (style.m_nMarker != MarkerShape::Chart && style.m_nMarker != MarkerShape::None)
            DrawSeriesMarkers(dc, doc, s, map, row, MarkerHalfSize(l.m_nPageWidth));
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}
