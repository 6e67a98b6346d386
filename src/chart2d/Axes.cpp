#include "chart2d/Axes.h"

#include "chart2d/HorizontalAxis.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/Title.h"
#include "chart2d/VerticalAxis.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

namespace {

// Room is left of the plot for the vertical labels, below for the horizontal
// ones, above for the title and right for the legend.
void SetPlotRectangle(const CPlotSettings& s, CPageLayout& l)
{
    const int w = l.m_nPageWidth;
    const int h = l.m_nPageHeight;
    l.m_nPlotLeft = int(w * 0.1);
    l.m_nPlotBottom = int(h * 0.04);
    l.m_nPlotRight = s.m_bLegend ? int(w * 0.875) : int(w * 0.975);
    l.m_nPlotTop = int(h * 0.92);
}

void DrawPlotArea(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crView});
    dc.Rectangle(l.m_nPlotLeft, l.m_nPlotTop, l.m_nPlotRight, l.m_nPlotBottom);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

// Column m_nX1 lies on L and m_nX2 on R; the values m_dVMin and m_dVMax on B and T.
// A logarithmic axis counts in decades, also when only its ends are labelled,
// so that the series, which map log10 of their values, always fit its labels.
void SetScales(const CSorvDoc& doc, const CPlotSettings& s, CPageLayout& l)
{
    const double columns = double(doc.m_nX2) - doc.m_nX1;
    l.m_dHScale = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, 0.0, columns, false).Scale();
    const CScaleMap values = CScaleMap::Fit(l.m_nPlotBottom, l.m_nPlotTop, s.m_dVMin, s.m_dVMax, s.m_bVLog);
    l.m_dVScale = values.Scale();
    l.m_dVStart = values.Start();
    l.m_bVLog = values.IsLog();
}

}  // namespace

void DrawAxes(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, CPageLayout& layout)
{
    SetPlotRectangle(s, layout);
    DrawPlotArea(dc, s, layout);
    SetScales(doc, s, layout);
    DrawTitle(dc, s, layout);
    // The grid pen draws the grid lines of both axes.
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crAxis});
    DrawVerticalAxis(dc, s, layout);
    DrawHorizontalAxis(dc, s, layout, doc.m_columnLabels);
    dc.SelectObject(oldPen);
}

void DrawPlotFrame(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 2, s.m_crForeground});
    dc.MoveTo(l.m_nPlotLeft, l.m_nPlotBottom);
    dc.LineTo(l.m_nPlotRight, l.m_nPlotBottom);
    dc.LineTo(l.m_nPlotRight, l.m_nPlotTop);
    dc.LineTo(l.m_nPlotLeft, l.m_nPlotTop);
    dc.LineTo(l.m_nPlotLeft, l.m_nPlotBottom);
    dc.SelectObject(oldPen);
}
