#include "page/ChartReadout.h"

#include "chart2d/ScaleMap.h"
#include "chart2d/SeriesMapping.h"
#include "doc/DocSnapshot.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace {

// The nearest drawn point to page position (x, y) among the cells of the
// region's columns from..to; on a tie the point drawn on top wins.
class CNearestPoint {
public:
    CNearestPoint(const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& layout, int x, int y)
        : m_doc(doc), m_s(s), m_layout(layout), m_values(CScaleMap::Values(layout)),
          m_right(CScaleMap::RightValues(layout)), m_x(x), m_y(y), m_bStacked(s.m_nGraphType == 2)
    {
    }

    std::optional<CChartPoint> Among(int from, int to)
    {
        for (int c = from; c <= to; ++c) {
            const std::optional<int> px = CSeriesMapping::ColumnX(m_layout, m_doc, c);
            if (px && std::abs(std::int64_t(*px) - m_x) <= kPointReach)
                Column(*px, m_doc.m_nX1 + c);
        }
        return m_best;
    }

private:
    // The stacked chart draws each row at the running total from the
    // document's first row; a hidden series is drawn nowhere and adds nothing.
    void Column(int px, int column)
    {
        double total = 0.0;
        for (int row = m_bStacked ? 0 : m_doc.m_nY1; row <= m_doc.m_nY2; ++row) {
            const CSeriesStyle& style = StyleOf(m_s, row);
            if (style.m_bHidden)
                continue;
            const double v = m_doc->Value(row, column);
            total += v;
            const CScaleMap& map = style.m_bRightAxis && !m_bStacked ? m_right : m_values;
            if (row >= m_doc.m_nY1)
                Consider(px, map.ToPage(m_bStacked ? total : v), {row, column, v});
        }
    }

    void Consider(int px, std::optional<int> py, const CChartPoint& point)
    {
        if (!py)
            return;
        const std::int64_t dx = std::int64_t(px) - m_x;
        const std::int64_t dy = std::int64_t(*py) - m_y;
        const std::int64_t d = dx * dx + dy * dy;
        // Scatter and line rows are drawn first to last, stacked bands last to first.
        if (d > std::int64_t(kPointReach) * kPointReach || d > m_nBest || (d == m_nBest && m_bStacked))
            return;
        m_nBest = d;
        m_best = point;
    }

    const CDocSnapshot& m_doc;
    const CPlotSettings& m_s;
    const CPageLayout& m_layout;
    CScaleMap m_values;
    CScaleMap m_right;
    int m_x;
    int m_y;
    bool m_bStacked;
    std::int64_t m_nBest = std::numeric_limits<std::int64_t>::max();
    std::optional<CChartPoint> m_best;
};

// The region's columns whose x may lie within reach of offset (in column steps).
std::pair<int, int> ColumnsNear(double offset, double scale, int n)
{
    const double reach = std::abs(scale) > 0.0 ? kPointReach / std::abs(scale) : 0.0;
    const double from = std::clamp(std::floor(offset - reach), 0.0, double(n));
    const double to = std::clamp(std::ceil(offset + reach), 0.0, double(n));
    return {int(from), int(to)};
}

// Points are looked for among the columns of x values that fall only while
// the region has no more cells than this: the search walks all of them.
constexpr long long kMaxSearchedCells = 4000000;

// The region's columns (from 0) whose x values may lie within reach of page
// x: found by x for values that never fall, else all of them when they are
// few enough; none otherwise.
std::optional<std::pair<int, int>> XColumnsNear(const CDocSnapshot& doc, const CScaleMap& h, int x)
{
    const int n = doc.m_nX2 - doc.m_nX1;
    if (!doc->m_x.NeverFalls()) {
        if ((long long)(n + 1) * (doc.m_nY2 - doc.m_nY1 + 1) > kMaxSearchedCells)
            return std::nullopt;
        return std::make_pair(0, n);
    }
    const double a = h.ToValue(x - kPointReach - 1);
    const double b = h.ToValue(x + kPointReach + 1);
    const auto columns = doc->m_x.ColumnsWithin(std::min(a, b), std::max(a, b));
    if (!columns || columns->second < doc.m_nX1 || columns->first > doc.m_nX2)
        return std::nullopt;
    return std::make_pair(std::max(columns->first, doc.m_nX1) - doc.m_nX1,
                          std::min(columns->second, doc.m_nX2) - doc.m_nX1);
}

bool InPlot(const CPageLayout& l, int x, int y)
{
    return x >= l.m_nPlotLeft && x <= l.m_nPlotRight && y >= l.m_nPlotBottom && y <= l.m_nPlotTop;
}

// Placed by the region or by column numbers: the column under the cursor and
// the points near it.
std::optional<CChartReadout> ReadColumns(const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l, int x,
                                         int y)
{
    const int n = doc.m_nX2 - doc.m_nX1;
    const CScaleMap h = CScaleMap::Horizontal(l);
    // A one-column region has no column scale: everything is its column.
    double offset = n == 0 ? 0.0 : h.Offset(x);
    if (l.m_nHPlacement == HPlacement::ColumnNumbers)
        offset = h.ToValue(x) - doc.m_nX1;
    const double value = CScaleMap::Values(l).ToValue(y);
    if (!std::isfinite(offset) || !std::isfinite(value))
        return std::nullopt;
    CChartReadout readout;
    readout.column = doc.m_nX1 + int(std::clamp(std::round(offset), 0.0, double(n)));
    readout.value = value;
    // The stacked chart draws bands between columns, none for a single column.
    if (s.m_nGraphType != 2 || n > 0) {
        const double step = l.m_nHPlacement == HPlacement::Region ? l.m_dHScale : h.Scale();
        const auto [from, to] = ColumnsNear(offset, step, n);
        readout.point = CNearestPoint(doc, s, l, x, y).Among(from, to);
    }
    return readout;
}

// Placed by x values: the x under the cursor, the column of the nearest x
// and the points near the cursor.
std::optional<CChartReadout> ReadXValues(const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l, int x,
                                         int y)
{
    const CScaleMap h = CScaleMap::Horizontal(l);
    const double xv = h.ToValue(x);
    const double value = CScaleMap::Values(l).ToValue(y);
    if (!std::isfinite(xv) || !std::isfinite(value))
        return std::nullopt;
    CChartReadout readout;
    readout.x = xv;
    readout.column = doc->m_x.NearestColumn(xv, doc.m_nX1, doc.m_nX2);
    readout.value = value;
    if (const auto columns = XColumnsNear(doc, h, x))
        readout.point = CNearestPoint(doc, s, l, x, y).Among(columns->first, columns->second);
    return readout;
}

}  // namespace

std::optional<CChartReadout> ReadChartAt(const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l,
                                         CPoint p, int clientHeight)
{
    const int x = p.x;
    const int y = clientHeight - 1 - p.y;
    if (l.m_bPrinted || s.m_nGraphType < 0 || s.m_nGraphType > 2 || !doc.RegionInMatrix() || !InPlot(l, x, y) ||
        !CSeriesMapping::PlacesOn(l, doc))
        return std::nullopt;
    if (l.m_nHPlacement == HPlacement::XValues)
        return ReadXValues(doc, s, l, x, y);
    return ReadColumns(doc, s, l, x, y);
}
