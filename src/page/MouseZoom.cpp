#include "page/MouseZoom.h"

#include "chart2d/ScaleMap.h"
#include "doc/SorvDoc.h"
#include "gfx/PageInt.h"
#include "page/ColumnSpan.h"
#include "page/DocumentAxes.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>

namespace {

bool UsableScale(double scale)
{
    return std::isfinite(scale) && scale != 0.0;
}

// Placed on the axis: the H range becomes [a, b] and the region narrows to
// the columns around it.
bool ZoomHRange(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, double a, double b)
{
    if (!(std::isfinite(a) && std::isfinite(b) && a < b))
        return false;
    if (const auto around = ColumnsAround(doc, l, a, b)) {
        const int from = std::max(around->first, doc.m_nX1);
        const int to = std::min(around->second, doc.m_nX2);
        if (from <= to && (from != doc.m_nX1 || to != doc.m_nX2))
            NarrowRegion(doc, from, doc.m_nY1, to, doc.m_nY2);
    }
    if (ColumnsForFallingX(l, doc))
        FollowRegion(s, doc);
    else {
        s.m_dHMin = a;
        s.m_dHMax = b;
    }
    return true;
}

// The H range narrows to four fifths about the value under x, as a share of
// the plot's width (the page shown may be that of the range before the last
// steps); a logarithmic range in decades.
bool ZoomByWheelOnAxis(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, int x)
{
    if (l.m_bPrinted || doc->IsEmpty() || !(l.m_nPlotLeft < l.m_nPlotRight))
        return false;
    const double share = std::clamp((double(x) - l.m_nPlotLeft) / (double(l.m_nPlotRight) - l.m_nPlotLeft), 0.0, 1.0);
    const CScaleMap range = CScaleMap::Fit(0, 1, s.m_dHMin, s.m_dHMax, s.m_bHLog);
    const double under = range.Start() + share / range.Scale();
    const double from = under - share * 0.8 / range.Scale();
    const double to = under + (1.0 - share) * 0.8 / range.Scale();
    const CScaleMap narrowed(0, 0.0, 1.0, s.m_bHLog);
    return ZoomHRange(s, doc, l, narrowed.ToValue(from), narrowed.ToValue(to));
}

// The V range becomes vMin..vMax, and the right axis's the values of the
// rectangle's bottom and top on it, when the page has one.
void SetValueRanges(CPlotSettings& s, const CPageLayout& l, double vMin, double vMax, int bottom, int top)
{
    s.m_dVMin = vMin;
    s.m_dVMax = vMax;
    const CScaleMap right = CScaleMap::RightValues(l);
    const double low = right.ToValue(bottom), high = right.ToValue(top);
    if (l.m_nRightAxisWidth > 0 && std::isfinite(low) && std::isfinite(high)) {
        s.m_dV2Min = low;
        s.m_dV2Max = high;
    }
}

}  // namespace

// Four zeros would mean the whole matrix, so the cell (0, 0) asks for its row
// from -1, which the intersection with the current region turns into row 0.
bool NarrowRegion(CSorvDoc& doc, int x1, int y1, int x2, int y2)
{
    if (x1 == 0 && y1 == 0 && x2 == 0 && y2 == 0)
        y1 = -1;
    return doc.SetRegion(x1, y1, x2, y2);
}

bool NarrowColumns(CPlotSettings& s, CSorvDoc& doc, int hL, int hR)
{
    const int n = doc.m_nX2 - doc.m_nX1;
    if (n <= 0 || hL < 0 || hR > n || hL > hR)
        return false;
    const double span = s.m_dHMax - s.m_dHMin;
    const double hMax = s.m_dHMin + span * hR / n;
    const double hMin = s.m_dHMin + span * hL / n;
    const int x1Region = doc.m_nX1;
    if (!NarrowRegion(doc, x1Region + hL, doc.m_nY1, x1Region + hR, doc.m_nY2))
        return false;
    s.m_dHMin = hMin;
    s.m_dHMax = hMax;
    return true;
}

bool ZoomByDrag2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, CPoint start, CPoint end,
                  int clientHeight, bool xOnly)
{
    const int n = doc.m_nX2 - doc.m_nX1;
    const CScaleMap values = CScaleMap::Values(l);
    const CScaleMap columns = CScaleMap::Horizontal(l);
    if (l.m_bPrinted || (n <= 0 && !PlacedOnAxis(l)) || !doc.RegionInMatrix() || !UsableScale(values.Scale()) ||
        !UsableScale(columns.Scale()))
        return false;
    // Page units: y up.
    const int x0 = start.x, y0 = clientHeight - 1 - start.y;
    const int x1 = end.x, y1 = clientHeight - 1 - end.y;

    const int left = std::max(l.m_nPlotLeft, std::min(x0, x1));
    const int right = std::min(l.m_nPlotRight, std::max(x0, x1));
    const int bottom = std::max(l.m_nPlotBottom, std::min(y0, y1));
    const int top = std::min(l.m_nPlotTop, std::max(y0, y1));
    if (left > l.m_nPlotRight || bottom > l.m_nPlotTop || right < l.m_nPlotLeft || top < l.m_nPlotBottom)
        return false;

    // A logarithmic range follows the axis, which starts at the floored log of the minimum.
    const double vMin = values.ToValue(bottom);
    const double vMax = values.ToValue(top);
    if (PlacedOnAxis(l)) {
        if (!std::isfinite(vMin) || !std::isfinite(vMax) ||
            !ZoomHRange(s, doc, l, columns.ToValue(left), columns.ToValue(right)))
            return false;
        if (!xOnly)
            SetValueRanges(s, l, vMin, vMax, bottom, top);
        return true;
    }
    const std::optional<int> truncL = TruncToInt(columns.Offset(left));
    const std::optional<int> truncR = TruncToInt(columns.Offset(right));
    if (!truncL || !truncR)
        return false;
    const int hL = std::clamp(*truncL, 0, n);
    const int hR = std::clamp(*truncR, 0, n);
    if (!std::isfinite(vMin) || !std::isfinite(vMax))
        return false;

    if (!NarrowColumns(s, doc, hL, hR))
        return false;
    if (!xOnly)
        SetValueRanges(s, l, vMin, vMax, bottom, top);
    return true;
}

bool ZoomByWheel2D(CPlotSettings& s, CSorvDoc& doc, const CPageLayout& l, int x)
{
    if (PlacedOnAxis(l) && !ColumnsForFallingX(l, doc))
        return ZoomByWheelOnAxis(s, doc, l, x);
    const int n = doc.m_nX2 - doc.m_nX1;
    // A printed page, or a page whose plot has no usable column scale, places nothing.
    if (l.m_bPrinted || n <= 0 || !std::isfinite(CScaleMap::Horizontal(l).Offset(x)))
        return false;
    // Four fifths of the column steps, at least one fewer; the column under
    // the cursor keeps its place in the window. The cursor's place is taken as
    // a share of the plot's width, which the region does not change: the page
    // shown may still be that of the region before the last steps.
    const int kept = int(std::int64_t(n) * 4 / 5);
    const double share = (double(x) - l.m_nPlotLeft) / (double(l.m_nPlotRight) - l.m_nPlotLeft);
    const double under = std::clamp(share * n, 0.0, double(n));
    const int hL = std::clamp(int(std::lround(under * (n - kept) / n)), 0, n - kept);
    if (!ColumnsForFallingX(l, doc))
        return NarrowColumns(s, doc, hL, hL + kept);
    if (!NarrowRegion(doc, doc.m_nX1 + hL, doc.m_nY1, doc.m_nX1 + hL + kept, doc.m_nY2))
        return false;
    FollowRegion(s, doc);
    return true;
}

bool ZoomByDrag3D(CSorvDoc& doc, const CPageLayout& l, CPoint start, CPoint end, int clientWidth,
                  int clientHeight)
{
    if (l.m_bPrinted || !UsableScale(l.m_d3DScale))
        return false;
    // The sums in double: two large indices would overflow an int.
    const double cx = (double(doc.m_nX1) + doc.m_nX2) * 0.5;
    const double cy = (double(doc.m_nY1) + doc.m_nY2) * 0.5;
    const double halfW = clientWidth * 0.5;
    const double halfH = clientHeight * 0.5;
    const std::optional<int> colFrom = TruncToInt(cx + (std::min(start.x, end.x) - halfW) / l.m_d3DScale);
    const std::optional<int> colTo = TruncToInt(cx + (std::max(start.x, end.x) - halfW) / l.m_d3DScale);
    const std::optional<int> rowFrom = TruncToInt(cy + (std::min(start.y, end.y) - halfH) / l.m_d3DScale);
    const std::optional<int> rowTo = TruncToInt(cy + (std::max(start.y, end.y) - halfH) / l.m_d3DScale);
    if (!colFrom || !colTo || !rowFrom || !rowTo)
        return false;
    return NarrowRegion(doc, *colFrom, *rowFrom, *colTo, *rowTo);
}

void ResetZoom(CPlotSettings& s, CSorvDoc& doc)
{
    if (s.m_nGraphType == 3) {
        s.m_dZoom = 1.0;
        doc.SetRegion(0, 0, 0, 0);
        return;
    }
    if (AnyHidden(s) || AnyOnTheRight(s))
        ResetValueRanges(s, doc);
    else {
        s.m_dVMin = doc->m_dMin;
        s.m_dVMax = doc->m_dMax;
    }
    doc.SetRegion(0, 0, 0, 0);
    FollowRegion(s, doc);
}
