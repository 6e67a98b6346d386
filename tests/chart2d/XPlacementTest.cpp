// Columns placed at their x values or column numbers along the H axis.

#include "support/TestDoc.h"
#include "ChartTestData.h"

#include "doc/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

const double kNaN = std::nan("");

// One series of values over the given x (a date-time axis named "t" when
// time), the H range that of the x values, V 0..528.
struct XChart {
    CSorvDoc doc;
    CPlotSettings s;

    XChart(std::vector<double> values, std::vector<double> x, bool time, int type)
        : doc(MakeDoc({values})), s(MakeSettings(doc))
    {
        EditData(doc).m_x = CXValues(time ? XKind::Time : XKind::Number, time ? "t" : "", std::move(x));
        s.m_nGraphType = type;
        s.m_dVMin = 0;
        s.m_dVMax = 528;
        if (const auto range = doc->m_x.Range(0, doc->m_nCols - 1)) {
            s.m_dHMin = range->first;
            s.m_dHMax = range->second;
        }
    }

    std::vector<Op> Series(CPageLayout& page) const { return SeriesOps(DrawChart(doc, s, page)); }
};

std::vector<int> MarkerXs(const std::vector<Op>& ops)
{
    std::vector<int> xs;
    for (const Op& op : OpsOf(ops, OpKind::Rect))
        xs.push_back((op.points[0].x + op.points[1].x) / 2);
    return xs;
}

}  // namespace

// Times taken at uneven intervals are drawn at their times: 0, 7, 28, 63 and
// 100 minutes over the plot's 620 units from L = 80. The name and a time axis
// take a title line under the labels, which raises B from 24 to 39.
TEST(XPlacement, UnevenTimesAtTheirTimes)
{
    const double t0 = SecondsFromCivil({2026, 1, 1, 0, 0, 0});
    std::vector<double> x;
    for (const double minutes : {0, 7, 28, 63, 100})
        x.push_back(t0 + minutes * 60);
    const XChart chart({1, 2, 3, 4, 5}, x, true, 0);
    CPageLayout page = MakePage(800, 600);
    const std::vector<Op> ops = chart.Series(page);
    EXPECT_EQ(page.m_nPlotBottom, 39);
    EXPECT_EQ(page.m_nHPlacement, HPlacement::XValues);
    EXPECT_EQ(MarkerXs(ops), (std::vector<int>{80, 123, 253, 470, 700}));
}

// Unsorted x (pairs of measurements): each point at its x, the line through
// them in the file's order; a column without x leaves its point out.
TEST(XPlacement, UnsortedXInFileOrder)
{
    const XChart scatter({0, 100, 200, 300, 400}, {10, 0, 5, kNaN, 20}, false, 0);
    CPageLayout page = MakePage(800, 600);
    EXPECT_EQ(MarkerXs(scatter.Series(page)), (std::vector<int>{390, 80, 235, 700}));

    const XChart line({0, 100, 200, 300, 400}, {10, 0, 5, 15, 20}, false, 1);
    std::vector<CPoint> points;
    for (const Op& op : OpsOf(line.Series(page), OpKind::Line))
        points.push_back(op.points[1]);
    // Lines from the first point at (390, B): to x 0, 5, 15 and 20.
    const int b = page.m_nPlotBottom;
    EXPECT_EQ(points, (std::vector<CPoint>{{80, b + 100}, {235, b + 200}, {545, b + 300}, {700, b + 400}}));
}

// The stacked chart places x values that never fall; falling ones give way to
// the region's column numbers, whatever the H range in x says.
TEST(XPlacement, StackedFallsBackToColumnNumbers)
{
    struct Case {
        std::vector<double> x;
        std::vector<int> expected;  // the right edges of the quadrilaterals
    } const cases[] = {
        {{0, 1, 3, 4}, {235, 545, 700}},
        {{0, 3, 1, 4}, {286, 493, 700}},
    };
    for (const Case& c : cases) {
        const XChart chart({1, 2, 3, 4}, c.x, false, 2);
        CPageLayout page = MakePage(800, 600);
        std::vector<int> rights;
        for (const Op& op : OpsOf(chart.Series(page), OpKind::Poly))
            rights.push_back(op.points[2].x);
        EXPECT_EQ(rights, c.expected);
    }
}

// A document read column-wise places its columns at their numbers on the H
// axis: a range narrower than the region moves the points with it.
TEST(XPlacement, ColumnNumbersFollowTheAxis)
{
    CSorvDoc doc = MakeDoc({{1, 2, 3, 4, 5, 6}});
    EditData(doc).m_bColumnWise = true;
    doc.m_nX1 = 1;
    CPlotSettings s = MakeSettings(doc);
    s.m_dHMin = 2;
    s.m_dHMax = 4;
    CPageLayout page = MakePage(800, 600);
    const std::vector<int> xs = MarkerXs(SeriesOps(DrawChart(doc, s, page)));
    EXPECT_EQ(page.m_nPlotBottom, 24);
    EXPECT_EQ(xs, (std::vector<int>{-230, 80, 390, 700, 1010}));
}

// A crowded axis takes fewer rounded ticks rather than leaving labels out:
// on a time axis of 1.8 s in hundredths, at every width, each grid line has
// its label centred on it.
TEST(XPlacement, CrowdedAxisLabelsEveryGridLine)
{
    const double t0 = SecondsFromCivil({2026, 12, 8, 9, 0, 20});
    std::vector<double> values, x;
    for (int i = 0; i <= 180; ++i) {
        values.push_back(i % 50);
        x.push_back(t0 + i * 0.01);
    }
    for (const int width : {240, 320, 480, 640, 800}) {
        XChart chart(values, x, true, 1);
        chart.s.m_bRoundTicks = true;
        CPageLayout page = MakePage(width, 420);
        const CRecordingDC dc = DrawChart(chart.doc, chart.s, page);
        std::vector<int> centres;
        for (const Op& op : OpsOf(dc.Ops(), OpKind::Text))
            if (op.text.find(':') != std::string::npos)
                centres.push_back(op.points[0].x + int(op.text.size() * op.font.width) / 2);
        const std::vector<int> grid = GridXs(dc, chart.s, page);
        ASSERT_GE(grid.size(), 2u) << width;
        ASSERT_EQ(centres.size(), grid.size()) << width;
        for (std::size_t i = 0; i < grid.size(); ++i)
            EXPECT_NEAR(centres[i], grid[i], 1) << width;
    }
}
