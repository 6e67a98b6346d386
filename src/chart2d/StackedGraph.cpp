#include "chart2d/StackedGraph.h"

#include "chart2d/RunningTotals.h"
#include "chart2d/SeriesMapping.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <optional>
#include <vector>

namespace {

// The band of document row r: a quadrilateral from B up to the total line
// between each pair of neighbouring columns; a pair with a point left out
// draws nothing.
void DrawBand(CDC& dc, const CSeriesMapping& map, CRunningTotals& totals, int r, int bottom)
{
    std::optional<int> x0;
    std::optional<int> y0;
    for (int from = 0, end = 0; from < map.Columns(); from = end) {
        const double* sums = totals.Row(r, from);
        end = from + std::min(totals.BlockWidth(), map.Columns() - from);
        for (int j = from; j < end; ++j) {
            const std::optional<int> x1 = map.X(j);
            const std::optional<int> y1 = map.Y(sums[j - from]);
            if (j > 0 && x0 && y0 && x1 && y1) {
                const CPoint quad[4] = {{*x0, *y0}, {*x0, bottom}, {*x1, bottom}, {*x1, *y1}};
                dc.Polygon(quad, 4);
            }
            x0 = x1;
            y0 = y1;
        }
    }
}

// Which of the rows 0..rows - 1 are hidden; none when no series is.
std::vector<bool> HiddenRows(const CPlotSettings& s, int rows)
{
    std::vector<bool> hidden;
    if (AnyHidden(s))
        for (int r = 0; r < rows; ++r)
            hidden.push_back(StyleOf(s, r).m_bHidden);
    return hidden;
}

}  // namespace

void DrawStackedGraph(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const CSeriesMapping map(doc, l);
    const CBrush oldBrush = dc.SelectObject(CBrush{SeriesColor(s, 0)});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, SeriesColor(s, 0)});
    if (map.Columns() >= 2) {
        // A hidden row is no band and adds nothing to the totals above it.
        CRunningTotals totals(doc, doc.m_nX1, map.Columns(), doc.m_nY1, doc.m_nY2, CRunningTotals::kBudget,
                              HiddenRows(s, doc.m_nY2 + 1));
        for (int row = doc.m_nY2; row >= doc.m_nY1 && dc.Proceed(doc.m_nY2 - row, map.Rows()); --row) {
            if (StyleOf(s, row).m_bHidden)
                continue;
            dc.SelectObject(CBrush{SeriesColor(s, row)});
            dc.SelectObject(CPen{PS_SOLID, 0, SeriesColor(s, row)});
            DrawBand(dc, map, totals, row, l.m_nPlotBottom);
        }
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}
