#include "chart2d/StackedGraph.h"

#include "chart2d/SeriesMapping.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <optional>
#include <vector>

namespace {

// y of the running totals of every row of the region, row by row: the sum over
// the document's rows from 0, added in row order, at each column of the region.
std::vector<std::optional<int>> TotalPositions(const CSorvDoc& doc, const CSeriesMapping& map)
{
    const int columns = map.Columns();
    std::vector<std::optional<int>> ys(std::size_t(map.Rows()) * std::size_t(columns));
    std::vector<double> sum(std::size_t(columns), 0.0);
    for (int q = 0; q < doc.m_nY1 + map.Rows(); ++q) {
        for (int c = 0; c < columns; ++c) {
            sum[c] += doc.Value(q, doc.m_nX1 + c);
            if (q >= doc.m_nY1)
                ys[std::size_t(q - doc.m_nY1) * columns + c] = map.Y(sum[c]);
        }
    }
    return ys;
}

// The band of one row: a quadrilateral from B up to the total line between
// each pair of neighbouring columns; a pair with a point left out draws nothing.
void DrawBand(CDC& dc, const CSeriesMapping& map, const std::optional<int>* ys, int bottom)
{
    for (int j = 1; j < map.Columns(); ++j) {
        const auto x0 = map.X(j - 1);
        const auto x1 = map.X(j);
        if (!x0 || !x1 || !ys[j - 1] || !ys[j])
            continue;
        const CPoint quad[4] = {{*x0, *ys[j - 1]}, {*x0, bottom}, {*x1, bottom}, {*x1, *ys[j]}};
        dc.Polygon(quad, 4);
    }
}

}  // namespace

void DrawStackedGraph(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l);
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crSeries[0]});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crSeries[0]});
    if (map.Columns() >= 2) {
        const auto ys = TotalPositions(doc, map);
        for (int r = map.Rows() - 1; r >= 0 && !dc.IsCancelled(); --r) {
            const int row = doc.m_nY1 + r;
            dc.SelectObject(CBrush{s.m_crSeries[row % 7]});
            dc.SelectObject(CPen{PS_SOLID, 0, s.m_crSeries[row % 7]});
            DrawBand(dc, map, ys.data() + std::size_t(r) * std::size_t(map.Columns()), l.m_nPlotBottom);
        }
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}
