#include "chart2d/Axes.h"

#include "chart2d/HorizontalAxis.h"
#include "chart2d/TickWalk.h"
#include "chart2d/Title.h"
#include "chart2d/VerticalAxis.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "settings/PlotSettings.h"

namespace {

// Room is left of the plot for the vertical labels, below for the horizontal
// ones, above for the title and right for the legend.
void SetPlotRectangle(CPlotSettings& s)
{
    const int w = s.m_nPageWidth;
    const int h = s.m_nPageHeight;
    s.m_nPlotLeft = int(w * 0.1);
    s.m_nPlotBottom = int(h * 0.04);
    s.m_nPlotRight = s.m_bLegend ? int(w * 0.875) : int(w * 0.975);
    s.m_nPlotTop = int(h * 0.92);
}

void DrawPlotArea(CDC& dc, const CPlotSettings& s)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crView});
    dc.Rectangle(s.m_nPlotLeft, s.m_nPlotTop, s.m_nPlotRight, s.m_nPlotBottom);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

// Column m_nX1 lies on L and m_nX2 on R; the values m_dVMin and m_dVMax on B and T.
// A logarithmic axis counts in decades, also when only its ends are labelled,
// so that the series, which map log10 of their values, always fit its labels.
void SetScales(const CSorvDoc& doc, CPlotSettings& s)
{
    const double width = double(s.m_nPlotRight) - s.m_nPlotLeft;
    const double height = double(s.m_nPlotTop) - s.m_nPlotBottom;
    s.m_dHScale = width / (double(doc.m_nX2) - doc.m_nX1);
    if (s.m_bVLog)
        s.m_dVScale = height / (LogAxisEnd(s.m_dVMax) - LogAxisEnd(s.m_dVMin));
    else
        s.m_dVScale = height / (s.m_dVMax - s.m_dVMin);
}

}  // namespace

void DrawAxes(CDC& dc, const CSorvDoc& doc, CPlotSettings& s)
{
    SetPlotRectangle(s);
    DrawPlotArea(dc, s);
    SetScales(doc, s);
    DrawTitle(dc, s);
    // The grid pen draws the grid lines of both axes.
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crAxis});
    DrawVerticalAxis(dc, s);
    DrawHorizontalAxis(dc, s);
    dc.SelectObject(oldPen);
}

void DrawPlotFrame(CDC& dc, const CPlotSettings& s)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 2, s.m_crForeground});
    dc.MoveTo(s.m_nPlotLeft, s.m_nPlotBottom);
    dc.LineTo(s.m_nPlotRight, s.m_nPlotBottom);
    dc.LineTo(s.m_nPlotRight, s.m_nPlotTop);
    dc.LineTo(s.m_nPlotLeft, s.m_nPlotTop);
    dc.LineTo(s.m_nPlotLeft, s.m_nPlotBottom);
    dc.SelectObject(oldPen);
}
