#include "page/ChartReadout.h"

#include "chart2d/ScaleMap.h"
#include "chart2d/SeriesMapping.h"
#include "doc/SorvDoc.h"
#include "settings/PageLayout.h"
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
    CNearestPoint(const CSorvDoc& doc, const CPageLayout& layout, int x, int y, bool stacked)
        : m_doc(doc), m_layout(layout), m_values(CScaleMap::Values(layout)), m_x(x), m_y(y), m_bStacked(stacked)
    {
    }

    std::optional<CChartPoint> Among(int from, int to)
    {
        for (int c = from; c <= to; ++c) {
            const std::optional<int> px = CSeriesMapping::ColumnX(m_layout, c);
            if (px && std::abs(std::int64_t(*px) - m_x) <= kPointReach)
                Column(*px, m_doc.m_nX1 + c);
        }
        return m_best;
    }

private:
    // The stacked chart draws each row at the running total from the document's first row.
    void Column(int px, int column)
    {
        double total = 0.0;
        for (int row = m_bStacked ? 0 : m_doc.m_nY1; row <= m_doc.m_nY2; ++row) {
            const double v = m_doc.Value(row, column);
            total += v;
            if (row >= m_doc.m_nY1)
                Consider(px, m_values.ToPage(m_bStacked ? total : v), {row, column, v});
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

    const CSorvDoc& m_doc;
    const CPageLayout& m_layout;
    CScaleMap m_values;
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

}  // namespace

std::optional<CChartReadout> ReadChartAt(const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l,
                                         CPoint p, int clientHeight)
{
    const int x = p.x;
    const int y = clientHeight - 1 - p.y;
    if (l.m_bPrinted || s.m_nGraphType < 0 || s.m_nGraphType > 2 || !doc.RegionInMatrix() || x < l.m_nPlotLeft ||
        x > l.m_nPlotRight || y < l.m_nPlotBottom || y > l.m_nPlotTop)
        return std::nullopt;
    const int n = doc.m_nX2 - doc.m_nX1;
    // A one-column region has no column scale: everything is its column.
    const double offset = n == 0 ? 0.0 : CScaleMap::Columns(l).Offset(x);
    const double value = CScaleMap::Values(l).ToValue(y);
    if (!std::isfinite(offset) || !std::isfinite(value))
        return std::nullopt;
    CChartReadout readout;
    readout.column = doc.m_nX1 + int(std::clamp(std::round(offset), 0.0, double(n)));
    readout.value = value;
    // The stacked chart draws bands between columns, none for a single column.
    const bool stacked = s.m_nGraphType == 2;
    if (!stacked || n > 0) {
        const auto [from, to] = ColumnsNear(offset, l.m_dHScale, n);
        readout.point = CNearestPoint(doc, l, x, y, stacked).Among(from, to);
    }
    return readout;
}
