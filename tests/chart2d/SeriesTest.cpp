// Scatter, line and stacked series: positions, colours, pens and the cases
// where a point has no position.

#include "ChartTestData.h"

#include "chart2d/Graph2D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// On a page of 800 x 600 with the legend: L = 80, B = 24, R = 700, T = 552.
// Values 0..528 map to B..T one to one; columns 0..4 lie 155 apart.
CPlotSettings UnitSettings(const CSorvDoc& doc, int type)
{
    CPlotSettings s = MakeSettings(doc);
    s.m_nGraphType = type;
    s.m_dVMin = 0;
    s.m_dVMax = 528;
    s.m_dVStep = 0;
    return s;
}

std::vector<std::vector<CPoint>> LineSegments(const std::vector<Op>& ops)
{
    std::vector<std::vector<CPoint>> out;
    for (const Op& op : OpsOf(ops, OpKind::Line))
        out.push_back(op.points);
    return out;
}

}  // namespace

TEST(Scatter, MarkersCentredOnTheirPositions)
{
    const CSorvDoc doc = MakeDoc({{0, 100, 528, 10.9, -3}});
    CPlotSettings s = UnitSettings(doc, 0);
    CPageLayout page = MakePage(800, 600);
    const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    const int xs[] = {80, 235, 390, 545, 700};
    const int ys[] = {24, 124, 552, 34, 21};
    ASSERT_EQ(ops.size(), 5u);
    for (int c = 0; c < 5; ++c) {
        EXPECT_EQ(ops[c].kind, OpKind::Rect);
        EXPECT_EQ(ops[c].points, (std::vector<CPoint>{{xs[c] - 2, ys[c] - 2}, {xs[c] + 2, ys[c] + 2}}));
        EXPECT_EQ(ops[c].pen, (CPen{PS_SOLID, 0, s.m_crForeground}));
        EXPECT_EQ(ops[c].brush.color, s.m_crSeries[0]);
    }
}

TEST(Scatter, MarkerHalfSizeFollowsThePageWidth)
{
    const std::pair<int, int> cases[] = {{200, 2}, {1425, 2}, {1426, 3}, {1900, 3}, {1901, 4}, {4000, 8}};
    const CSorvDoc doc = MakeDoc({{0, 1}});
    for (auto [width, f] : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(width, 600);
        const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
        ASSERT_EQ(ops.size(), 2u);
        EXPECT_EQ(ops[0].points[1].x - ops[0].points[0].x, 2 * f) << width;
        EXPECT_EQ(ops[0].points[0].x, page.m_nPlotLeft - f) << width;
    }
}

// Series take the colour of their document row, as the legend shows it.
TEST(Scatter, SeriesColouredByDocumentRow)
{
    std::vector<std::vector<double>> rows;
    for (int r = 0; r < 10; ++r)
        rows.push_back({double(r), double(r)});
    CSorvDoc doc = MakeDoc(rows);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);

    std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 20u);
    EXPECT_EQ(ops[0].brush.color, s.m_crSeries[0]);
    EXPECT_EQ(ops[2].brush.color, s.m_crSeries[1]);
    EXPECT_EQ(ops[14].brush.color, s.m_crSeries[0]);  // the eighth series

    doc.m_nY1 = 2;
    doc.m_nY2 = 2;
    ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 2u);
    EXPECT_EQ(ops[0].brush.color, s.m_crSeries[2]);
}

TEST(Line, OnePolylinePerSeriesFromL)
{
    const CSorvDoc doc = MakeDoc({{0, 100, 528, 10.9, -3}, {1, 2, 3, 4, 5}});
    CPlotSettings s = UnitSettings(doc, 1);
    CPageLayout page = MakePage(800, 600);
    s.m_nLineStyle = PS_DASH;
    s.m_nLineWidth = 3;
    const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 8u);
    const std::vector<std::vector<CPoint>> first = {
        {{80, 24}, {235, 124}}, {{235, 124}, {390, 552}}, {{390, 552}, {545, 34}}, {{545, 34}, {700, 21}}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(ops[i].points, first[i]);
        EXPECT_EQ(ops[i].pen, (CPen{PS_DASH, 3, s.m_crSeries[0]}));
    }
    EXPECT_EQ(ops[4].points, (std::vector<CPoint>{{80, 25}, {235, 26}}));
    EXPECT_EQ(ops[4].pen.color, s.m_crSeries[1]);
}

TEST(Line, PrintedWidthScalesWithThePrintableWidth)
{
    struct Case {
        bool printing;
        int horzSize;
        int width;
        int pen;
    };
    const Case cases[] = {{false, 210, 4, 4}, {true, 210, 4, 7}, {true, 210, 0, 0}, {true, 297, 4, 10}, {true, 297, 99, 247}};
    const CSorvDoc doc = MakeDoc({{0, 1}});
    for (const Case& c : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_nGraphType = 1;
        s.m_nLineWidth = c.width;
        CRecordingDC dc;
        dc.m_bPrinting = c.printing;
        dc.SetPrintableSize(c.horzSize, 287);
        DrawGraph2D(dc, doc, s, page);
        const std::vector<Op> ops = SeriesOps(dc);
        ASSERT_EQ(ops.size(), 1u);
        EXPECT_EQ(ops[0].pen.width, c.pen) << c.horzSize << " " << c.width;
    }
}

// A point without a position is left out: the line breaks and goes on from
// the next point that has one.
TEST(Line, BreaksAtPointsWithoutPosition)
{
    struct Case {
        std::vector<double> values;
        bool log;
        std::vector<std::vector<CPoint>> segments;
    };
    const Case cases[] = {
        {{1, kNaN, 3, 4, 5}, false, {{{390, 27}, {545, 28}}, {{545, 28}, {700, 29}}}},
        {{1, 2, 1e300, 4, -kInf}, false, {{{80, 25}, {235, 26}}}},
        {{1, 2, 3e9, 4, 5}, false, {{{80, 25}, {235, 26}}, {{545, 28}, {700, 29}}}},
        {{10, 0, 100, -5, 1000}, true, {}},
        {{10, 100, 0, 100, 1000}, true, {{{80, 200}, {235, 376}}, {{545, 376}, {700, 552}}}},
    };
    for (const Case& c : cases) {
        const CSorvDoc doc = MakeDoc({c.values});
        CPlotSettings s = UnitSettings(doc, 1);
        CPageLayout page = MakePage(800, 600);
        if (c.log) {
            s.m_bVLog = true;
            s.m_dVMin = 1;
            s.m_dVMax = 1000;
        }
        CRecordingDC dc = DrawChart(doc, s, page);
        EXPECT_EQ(LineSegments(SeriesOps(dc)), c.segments);
        s.m_nGraphType = 0;
        dc = DrawChart(doc, s, page);
        std::size_t drawable = 0;
        for (double v : c.values)
            drawable += std::isfinite(c.log ? std::log10(v) : v) && std::fabs(v) < 1e9;
        EXPECT_EQ(SeriesOps(dc).size(), drawable);
    }
}

// One column: the markers stand on L, the line has no segment, the stacked
// chart no band. An empty V range leaves every series out.
TEST(Series, DegenerateScales)
{
    const CSorvDoc doc = MakeDoc({{5, 1, 2}, {6, 3, 4}});
    CSorvDoc oneColumn = MakeDoc({{5, 1, 2}, {6, 3, 4}});
    oneColumn.m_nX1 = oneColumn.m_nX2 = 0;
    for (int type : {0, 1, 2}) {
        CPlotSettings s = UnitSettings(oneColumn, type);
        CPageLayout page = MakePage(800, 600);
        const std::vector<Op> ops = SeriesOps(DrawChart(oneColumn, s, page));
        EXPECT_TRUE(std::isinf(page.m_dHScale));
        ASSERT_EQ(ops.size(), type == 0 ? 2u : 0u);
        if (type == 0) {
            EXPECT_EQ(ops[1].points, (std::vector<CPoint>{{78, 28}, {82, 32}}));
        }

        CPlotSettings flat = UnitSettings(doc, type);
        flat.m_dVMax = flat.m_dVMin = 3;
        EXPECT_TRUE(SeriesOps(DrawChart(doc, flat, page)).empty());
    }
}

// Nothing of the matrix is read outside the region; an empty document has none.
TEST(Series, InvertedRegionAndEmptyDocumentDrawTheFrameOnly)
{
    CSorvDoc inverted = MakeDoc({{1, 2}, {3, 4}});
    inverted.m_nX1 = 1;
    inverted.m_nX2 = 0;
    CSorvDoc invertedRows = MakeDoc({{1, 2}, {3, 4}});
    invertedRows.m_nY1 = 1;
    invertedRows.m_nY2 = 0;
    CSorvDoc outside = MakeDoc({{1, 2}, {3, 4}});
    outside.m_nX2 = 5;
    const CSorvDoc empty;
    const CSorvDoc* docs[] = {&inverted, &invertedRows, &outside, &empty};
    for (const CSorvDoc* doc : docs) {
        for (int type : {0, 1, 2}) {
            CPlotSettings s = MakeSettings(*doc);
            CPageLayout page = MakePage(800, 600);
            s.m_nGraphType = type;
            s.m_dVStep = 0;
            const CRecordingDC dc = DrawChart(*doc, s, page);
            EXPECT_TRUE(SeriesOps(dc).empty());
            EXPECT_EQ(OpsOf(dc, OpKind::ClipOff).size(), 1u);
            EXPECT_EQ(OpsOf(dc, OpKind::Line).size(), 4u);  // the frame
            EXPECT_EQ(OpsOf(dc, OpKind::Text).size(), doc->Data().m_nRows + 5u);  // title, ends, legend
        }
    }
}

// Bands are the running totals from document row 0, the region's last row
// first, coloured by document row.
TEST(Stacked, BandsOfRunningTotals)
{
    CSorvDoc doc = MakeDoc({{1, 2, 3}, {10, 20, 30}, {100, 200, 300}, {5, 5, 5}, {7, 7, 7}, {50, 60, 70}});
    doc.m_nY1 = 3;
    doc.m_nY2 = 4;
    doc.m_nX1 = 1;
    CPlotSettings s = UnitSettings(doc, 2);
    CPageLayout page = MakePage(800, 600);
    const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 2u);
    // Row 4: totals 234 and 345 at columns 1 and 2 (x 80 and 700).
    EXPECT_EQ(ops[0].kind, OpKind::Poly);
    EXPECT_EQ(ops[0].points, (std::vector<CPoint>{{80, 258}, {80, 24}, {700, 24}, {700, 369}}));
    EXPECT_EQ(ops[0].brush.color, s.m_crSeries[4]);
    EXPECT_EQ(ops[0].pen, (CPen{PS_SOLID, 0, s.m_crSeries[4]}));
    // Row 3: totals 227 and 338.
    EXPECT_EQ(ops[1].points, (std::vector<CPoint>{{80, 251}, {80, 24}, {700, 24}, {700, 362}}));
    EXPECT_EQ(ops[1].brush.color, s.m_crSeries[3]);
}

TEST(Stacked, LastRowFirstAndOneQuadrilateralPerColumnPair)
{
    const CSorvDoc doc = MakeDoc({{10, 20, 30, 40, 50}, {1, 1, 1, 1, 1}});
    CPlotSettings s = UnitSettings(doc, 2);
    CPageLayout page = MakePage(800, 600);
    const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 8u);
    EXPECT_EQ(ops[0].brush.color, s.m_crSeries[1]);
    EXPECT_EQ(ops[0].points, (std::vector<CPoint>{{80, 35}, {80, 24}, {235, 24}, {235, 45}}));
    EXPECT_EQ(ops[3].points, (std::vector<CPoint>{{545, 65}, {545, 24}, {700, 24}, {700, 75}}));
    EXPECT_EQ(ops[4].brush.color, s.m_crSeries[0]);
    EXPECT_EQ(ops[4].points, (std::vector<CPoint>{{80, 34}, {80, 24}, {235, 24}, {235, 44}}));
}

// On a logarithmic axis a total of 0 or below has no position: the pairs
// around it draw nothing.
TEST(Stacked, TotalsWithoutPositionLeaveAGap)
{
    const CSorvDoc doc = MakeDoc({{10, -10, 100, 1000}});
    CPlotSettings s = UnitSettings(doc, 2);
    CPageLayout page = MakePage(800, 600);
    s.m_bVLog = true;
    s.m_dVMin = 1;
    s.m_dVMax = 1000;
    const std::vector<Op> ops = SeriesOps(DrawChart(doc, s, page));
    ASSERT_EQ(ops.size(), 1u);
    EXPECT_EQ(ops[0].points, (std::vector<CPoint>{{493, 376}, {493, 24}, {700, 24}, {700, 552}}));
}

// Every pen, brush and font selected while drawing is put back.
TEST(Series, SelectedObjectsArePutBack)
{
    const CSorvDoc doc = MakeDoc({{1, 2, 3}, {4, 5, 6}});
    const CPen pen{PS_DOT, 3, 0x123456};
    const CBrush brush{0x654321};
    const CFont font{7, 3, true, "face"};
    for (int type : {0, 1, 2, 5}) {
        for (bool legend : {false, true}) {
            for (bool log : {false, true}) {
                CPlotSettings s = MakeSettings(doc);
                CPageLayout page = MakePage(800, 600);
                s.m_nGraphType = type;
                s.m_bLegend = legend;
                s.m_bVLog = s.m_bHLog = log;
                s.m_dHStep = 1;
                CRecordingDC dc;
                dc.SelectObject(pen);
                dc.SelectObject(brush);
                dc.SelectObject(font);
                DrawGraph2D(dc, doc, s, page);
                EXPECT_EQ(dc.GetCurrentPen(), pen);
                EXPECT_EQ(dc.GetCurrentBrush(), brush);
                EXPECT_EQ(dc.GetCurrentFont(), font);
            }
        }
    }
}
