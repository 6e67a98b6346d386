#include "page/Pan.h"

#include "chart2d/ScaleMap.h"
#include "doc/SorvDoc.h"
#include "gfx/PageInt.h"
#include "page/ColumnSpan.h"
#include "page/DocumentAxes.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// The range of map's axis moved by dy; false when it cannot be.
bool PanRange(const CScaleMap& map, const CPageLayout& l, int dy, double& min, double& max)
{
    const double low = map.ToValue(double(l.m_nPlotBottom) - dy);
    const double high = map.ToValue(double(l.m_nPlotTop) - dy);
    if (dy == 0 || !std::isfinite(low) || !std::isfinite(high))
        return false;
    min = low;
    max = high;
    return true;
}

// Both V axes move with the data.
bool PanValues(CPlotSettings& s, const CPageLayout& l, int dy)
{
    if (l.m_nRightAxisWidth > 0)
        PanRange(CScaleMap::RightValues(l), l, dy, s.m_dV2Min, s.m_dV2Max);
    return PanRange(CScaleMap::Values(l), l, dy, s.m_dVMin, s.m_dVMax);
}

// Whole columns of the region, as many as dx covers, the H range in step.
bool PanColumns(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, int dx)
{
    const int n = doc.m_nX2 - doc.m_nX1;
    const double step = PlacedOnAxis(l) ? CScaleMap::Horizontal(l).Scale() : l.m_dHScale;
    const auto columns = TruncToInt(-dx / step);
    if (n <= 0 || !columns)
        return false;
    const int from = std::clamp(doc.m_nX1 + std::clamp(*columns, -doc->m_nCols, doc->m_nCols), 0, doc->m_nCols - 1 - n);
    const int moved = from - doc.m_nX1;
    // Worked out before the region moves, which the windows' H axes follow.
    const double shift = (s.m_dHMax - s.m_dHMin) * moved / n;
    const double hMin = s.m_dHMin + shift, hMax = s.m_dHMax + shift;
    if (moved == 0 || !SetRegionColumns(doc, from, from + n))
        return false;
    if (ColumnsForFallingX(l, doc))
        FollowRegion(s, doc);
    else {
        s.m_dHMin = hMin;
        s.m_dHMax = hMax;
    }
    return true;
}

// The H range by dx, the region to the columns around it.
bool PanAxis(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, int dx)
{
    const CScaleMap h = CScaleMap::Horizontal(l);
    const double a = h.ToValue(double(l.m_nPlotLeft) - dx);
    const double b = h.ToValue(double(l.m_nPlotRight) - dx);
    if (dx == 0 || !(std::isfinite(a) && std::isfinite(b) && a < b))
        return false;
    if (const auto around = ColumnsAround(doc, l, a, b))
        SetRegionColumns(doc, around->first, around->second);
    s.m_dHMin = a;
    s.m_dHMax = b;
    return true;
}

}  // namespace

bool PanView2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, int dx, int dy)
{
    if (l.m_bPrinted || !doc.RegionInMatrix())
        return false;
    const bool h = PlacedOnAxis(l) && !ColumnsForFallingX(l, doc) ? PanAxis(s, doc, l, dx) : PanColumns(s, doc, l, dx);
    const bool v = PanValues(s, l, dy);
    return h || v;
}
