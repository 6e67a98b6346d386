#include "page/ChartReadout.h"

#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace {

// A 600 pixels high client area: plot 80..880 wide (11 columns, 80 units
// each), 24..552 high for the values 0..30 (17.6 units each).
constexpr int kClientHeight = 600;

int ClientY(int pageY)
{
    return kClientHeight - 1 - pageY;
}

CPageLayout Layout2D()
{
    CPageLayout l;
    l.m_nPlotLeft = 80;
    l.m_nPlotRight = 880;
    l.m_nPlotBottom = 24;
    l.m_nPlotTop = 552;
    l.m_dHScale = 80.0;
    l.m_dVScale = 528 / 30.0;
    return l;
}

using Prepare = std::function<void(CSorvDoc&, CPlotSettings&, CPageLayout&)>;

// The readout at p over a scatter chart of 3 x 11 cells, where cell (r, c)
// holds 10 r + c, after prepare changed what the case needs.
std::optional<CChartReadout> ReadAt(const Prepare& prepare, CPoint p)
{
    auto doc = MakeTestDoc(3, 11, [](int r, int col) { return 10.0 * r + col; });
    CPlotSettings s;
    CPageLayout l = Layout2D();
    if (prepare)
        prepare(*doc, s, l);
    return ReadChartAt(*doc, s, l, p, kClientHeight);
}

struct Expected {
    int column;
    double value;
    int pointRow = -1;  // -1: no point near
    int pointColumn = 0;
    double pointValue = 0.0;
};

TEST(ChartReadoutTest, ColumnValueAndNearestPoint)
{
    // The point (1, 4) of 14 lies at page (400, 270).
    struct Case {
        const char* what;
        Prepare prepare;
        CPoint p;
        Expected want;
    };
    const Case cases[] = {
        {"on a point", {}, {402, ClientY(272)}, {4, 248 / 17.6, 1, 4, 14.0}},
        {"a point just out of reach", {}, {406, ClientY(270)}, {4, 246 / 17.6}},
        {"between columns", {}, {430, ClientY(270)}, {4, 246 / 17.6}},
        {"nearer the next column", {}, {445, ClientY(100)}, {5, 76 / 17.6}},
        {"the later row drawn on top wins a tie",
         [](CSorvDoc& d, CPlotSettings&, CPageLayout&) { d->m_pData[2 * 11 + 4] = 14.0; },
         {400, ClientY(270)}, {4, 246 / 17.6, 2, 4, 14.0}},
        {"a missing value is no point",
         [](CSorvDoc& d, CPlotSettings&, CPageLayout&) { d->m_pData[1 * 11 + 4] = NAN; },
         {400, ClientY(270)}, {4, 246 / 17.6}},
        {"stacked: the running total is drawn, the cell's value read",
         [](CSorvDoc&, CPlotSettings& s, CPageLayout&) { s.m_nGraphType = 2; },
         {400, ClientY(24 + 316)}, {4, 316 / 17.6, 1, 4, 14.0}},
        {"stacked: the earlier row drawn on top wins a tie",
         [](CSorvDoc& d, CPlotSettings& s, CPageLayout&) {
             s.m_nGraphType = 2;
             d->m_pData[1 * 11 + 4] = 0.0;
         },
         {400, ClientY(24 + 70)}, {4, 70 / 17.6, 0, 4, 4.0}},
        {"a narrowed region starts at its first column",
         [](CSorvDoc& d, CPlotSettings&, CPageLayout& l) {
             d.SetRegion(2, 1, 10, 2);
             l.m_dHScale = 100.0;
         },
         {80 + 200, ClientY(24 + 246)}, {4, 246 / 17.6, 1, 4, 14.0}},
        {"logarithmic: three decades from 1",
         [](CSorvDoc&, CPlotSettings&, CPageLayout& l) {
             l.m_bVLog = true;
             l.m_dVScale = 176.0;
         },
         {300, ClientY(24 + 352)}, {3, 100.0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const auto got = ReadAt(c.prepare, c.p);
        ASSERT_TRUE(got.has_value());
        EXPECT_EQ(got->column, c.want.column);
        EXPECT_NEAR(got->value, c.want.value, 1e-9 * std::abs(c.want.value));
        ASSERT_EQ(got->point.has_value(), c.want.pointRow >= 0);
        if (got->point) {
            EXPECT_EQ(got->point->row, c.want.pointRow);
            EXPECT_EQ(got->point->column, c.want.pointColumn);
            EXPECT_EQ(got->point->value, c.want.pointValue);
        }
    }
}

TEST(ChartReadoutTest, NothingWhereNothingIsRead)
{
    struct Case {
        const char* what;
        Prepare prepare;
        CPoint p;
    };
    const CPoint inside{400, ClientY(270)};
    const Case cases[] = {
        {"left of the plot", {}, {60, ClientY(270)}},
        {"above the plot", {}, {400, ClientY(560)}},
        {"3D chart", [](CSorvDoc&, CPlotSettings& s, CPageLayout&) { s.m_nGraphType = 3; }, inside},
        {"printed layout", [](CSorvDoc&, CPlotSettings&, CPageLayout& l) { l.m_bPrinted = true; }, inside},
        {"inverted region", [](CSorvDoc& d, CPlotSettings&, CPageLayout&) { d.m_nX1 = 5, d.m_nX2 = 4; }, inside},
        {"undefined V scale", [](CSorvDoc&, CPlotSettings&, CPageLayout& l) { l.m_dVScale = NAN; }, inside},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(ReadAt(c.prepare, c.p).has_value());
    }
}

// One column: everything is that column; the stacked chart draws no band for it.
TEST(ChartReadoutTest, OneColumnRegion)
{
    for (int type : {0, 2}) {
        const auto got = ReadAt(
            [type](CSorvDoc& d, CPlotSettings& s, CPageLayout& l) {
                d.SetRegion(4, 0, 4, 2);
                l.m_dHScale = INFINITY;
                s.m_nGraphType = type;
            },
            {82, ClientY(270)});
        ASSERT_TRUE(got);
        EXPECT_EQ(got->column, 4);
        EXPECT_EQ(got->point.has_value(), type == 0);
        EXPECT_EQ(got->point.value_or(CChartPoint{}).row, type == 0 ? 1 : 0);
    }
}

}  // namespace

// Placed at x values (0, 10, ..., 100 over 80..880): the readout gives the x
// under the cursor, the column of the nearest x and the point near it.
TEST(ChartReadoutTest, XValues)
{
    const Prepare atX = [](CSorvDoc& doc, CPlotSettings&, CPageLayout& l) {
        std::vector<double> x;
        for (int c = 0; c <= 10; ++c)
            x.push_back(c * 10.0);
        EditData(doc).m_x = CXValues(XKind::Number, "", x);
        l.m_nHPlacement = HPlacement::XValues;
        l.m_dHScale = 8.0;
    };
    // The point (1, 4) of 14 lies at page (400, 270).
    const auto r = ReadAt(atX, {402, ClientY(271)});
    ASSERT_TRUE(r && r->x && r->point);
    EXPECT_DOUBLE_EQ(*r->x, 40.25);
    EXPECT_EQ(r->column, 4);
    EXPECT_EQ(r->point->row, 1);
    EXPECT_EQ(r->point->column, 4);
    EXPECT_EQ(r->point->value, 14.0);
}
