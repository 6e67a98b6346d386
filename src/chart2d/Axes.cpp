#include "chart2d/Axes.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/HAxisRange.h"
#include "chart2d/HorizontalAxis.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/Title.h"
#include "chart2d/VerticalAxis.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// Text of the least height needs more room than a small page leaves: 13
// characters left of the plot, the labels' height and a half below it, a
// title twice its height above it, 17 characters for the legend right of it.
// A legend that would leave the plot less than half the page is left out.
void MakeRoomForText(CPageLayout& l)
{
    const int w = l.m_nPageWidth;
    const double m = l.m_dMinText;
    l.m_nPlotLeft = std::max(l.m_nPlotLeft, int(std::ceil(6.5 * m)));
    l.m_nPlotBottom = std::max(l.m_nPlotBottom, int(std::ceil(1.5 * m)));
    l.m_nPlotTop = std::min(l.m_nPlotTop, l.m_nPageHeight - int(std::ceil(2 * m)));
    if (!l.m_bLegend)
        return;
    l.m_nPlotRight = std::min(l.m_nPlotRight, w - int(std::ceil(8.5 * m)));
    if (l.m_nPlotRight - l.m_nPlotLeft < w / 2) {
        l.m_bLegend = false;
        l.m_nPlotRight = int(w * 0.975);
    }
}

// Room is left of the plot for the vertical labels, below for the horizontal
// ones (and the H axis's title line), above for the title and right for the legend.
void SetPlotRectangle(const CPlotSettings& s, bool hTitle, CPageLayout& l)
{
    const int w = l.m_nPageWidth;
    const int h = l.m_nPageHeight;
    l.m_bLegend = s.m_bLegend;
    l.m_nPlotLeft = int(w * 0.1);
    l.m_nPlotBottom = int(h * 0.04);
    l.m_nPlotRight = s.m_bLegend ? int(w * 0.875) : int(w * 0.975);
    l.m_nPlotTop = int(h * 0.92);
    if (l.m_dMinText > 0)
        MakeRoomForText(l);
    // Thirteen characters right of the plot for the right V axis's labels.
    if (RightAxisShown(s)) {
        l.m_nRightAxisWidth = int(13 * LabelCharWidth(l));
        l.m_nPlotRight -= l.m_nRightAxisWidth;
    }
    if (hTitle) {
        const double hh = HLabelHeight(l);
        l.m_nPlotBottom += int(hh) + int(hh * 0.25);
    }
}

void DrawPlotArea(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crView});
    dc.Rectangle(l.m_nPlotLeft, l.m_nPlotTop, l.m_nPlotRight, l.m_nPlotBottom);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

// Placed by the region, column m_nX1 lies on L and m_nX2 on R; placed on the
// axis, h.min lies on L and h.max on R. The values m_dVMin and m_dVMax lie on
// B and T. A logarithmic axis counts in decades, also when only its ends are
// labelled, so that the series, which map log10 of their values, always fit
// its labels.
void SetScales(const CDocSnapshot& doc, const CPlotSettings& s, const CHAxisRange& h, CPageLayout& l)
{
    l.m_nHPlacement = h.placement;
    if (h.placement == HPlacement::Region) {
        const double columns = double(doc.m_nX2) - doc.m_nX1;
        l.m_dHScale = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, 0.0, columns, false).Scale();
    } else {
        const CScaleMap map = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, h.min, h.max, h.log);
        l.m_dHScale = map.Scale();
        l.m_dHStart = map.Start();
        l.m_bHLog = map.IsLog();
    }
    const CScaleMap values = CScaleMap::Fit(l.m_nPlotBottom, l.m_nPlotTop, s.m_dVMin, s.m_dVMax, s.m_bVLog);
    l.m_dVScale = values.Scale();
    l.m_dVStart = values.Start();
    l.m_bVLog = values.IsLog();
    const CScaleMap right = CScaleMap::Fit(l.m_nPlotBottom, l.m_nPlotTop, s.m_dV2Min, s.m_dV2Max, s.m_bV2Log);
    l.m_dV2Scale = right.Scale();
    l.m_dV2Start = right.Start();
    l.m_bV2Log = right.IsLog();
}

}  // namespace

bool RightAxisShown(const CPlotSettings& s)
{
    return s.m_nGraphType != 2 && AnyOnTheRight(s);
}

void DrawAxes(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout)
{
    const CHAxisRange h = HorizontalAxisOf(doc, s);
    SetPlotRectangle(s, HasHorizontalTitle(doc, h), layout);
    DrawPlotArea(dc, s, layout);
    SetScales(doc, s, h, layout);
    DrawTitle(dc, s, layout);
    // The grid pen draws the grid lines of both axes.
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crAxis});
    DrawVerticalAxis(dc, s, layout);
    if (layout.m_nRightAxisWidth > 0)
        DrawRightAxis(dc, s, layout);
    DrawHorizontalAxis(dc, doc, s, layout, h);
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
