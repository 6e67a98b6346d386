// Series styled by the user: hidden, coloured, marked, lined, on the right V axis.

#include "ChartTestData.h"

#include "settings/Palettes.h"

#include <gtest/gtest.h>

namespace {

// Three series of five values 0, 100, ..., 400 (plus 10 a row) on a page of
// 800 x 600 with the legend: L = 80, B = 24, R = 700, T = 552, V 0..528.
struct Styled {
    CSorvDoc doc = MakeDoc({{0, 100, 200, 300, 400}, {10, 110, 210, 310, 410}, {20, 120, 220, 320, 420}});
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);

    explicit Styled(int type)
    {
        s.m_nGraphType = type;
        s.m_dVMin = 0;
        s.m_dVMax = 528;
        s.m_series.resize(3);
    }
    CRecordingDC Draw() { return DrawChart(doc, s, page); }
};

std::vector<COLORREF> BrushesOf(const std::vector<Op>& ops, OpKind kind)
{
    std::vector<COLORREF> colors;
    for (const Op& op : OpsOf(ops, kind))
        colors.push_back(op.brush.color);
    return colors;
}

}  // namespace

// A hidden series is left out of the chart and listed faint: a quarter of its
// colour over the background.
TEST(SeriesStyle, HiddenSeriesLeftOutAndListedFaint)
{
    Styled chart(0);
    chart.s.m_series[1].m_bHidden = true;
    const CRecordingDC dc = chart.Draw();
    std::vector<COLORREF> expected(5, chart.s.m_crSeries[0]);
    expected.resize(10, chart.s.m_crSeries[2]);
    EXPECT_EQ(BrushesOf(SeriesOps(dc), OpKind::Rect), expected);
    // Blue, 0xFF0000, a quarter over the grey 0xDFDFDF.
    const COLORREF faint = RGB(3 * 0xDF / 4, 3 * 0xDF / 4, (0xFF + 3 * 0xDF) / 4);
    std::vector<COLORREF> swatches;
    for (const Op& op : dc.Ops())
        if (op.kind == OpKind::Rect && op.pen == CPen{PS_SOLID, 0, 0})
            swatches.push_back(op.brush.color);
    EXPECT_EQ(swatches, (std::vector<COLORREF>{chart.s.m_crSeries[0], faint, chart.s.m_crSeries[2]}));
}

// Hidden rows add nothing to the stacked totals: the top of row 2's band is
// rows 0 and 2 (20 + 220 ... at column 2), not all three.
TEST(SeriesStyle, HiddenRowsLeaveTheStackedTotals)
{
    Styled chart(2);
    chart.s.m_series[1].m_bHidden = true;
    const std::vector<Op> polys = OpsOf(SeriesOps(chart.Draw()), OpKind::Poly);
    ASSERT_EQ(polys.size(), 8u);   // two rows of four quadrilaterals
    EXPECT_EQ(polys[1].points[3].y, 24 + 200 + 220);
    EXPECT_EQ(polys[5].points[3].y, 24 + 200);
}

// The palettes count from the document's first row; a colour of its own wins.
TEST(SeriesStyle, PaletteAndOwnColours)
{
    Styled chart(1);
    chart.s.m_nPalette = *PaletteByName("tol12");
    chart.s.m_series[2].m_bOwnColor = true;
    chart.s.m_series[2].m_crColor = 0x123456;
    std::vector<COLORREF> pens;
    for (const Op& op : OpsOf(SeriesOps(chart.Draw()), OpKind::Line))
        if (pens.empty() || pens.back() != op.pen.color)
            pens.push_back(op.pen.color);
    const std::vector<COLORREF>& tol = Palettes()[std::size_t(chart.s.m_nPalette)].colors;
    EXPECT_EQ(tol.size(), 12u);
    EXPECT_EQ(pens, (std::vector<COLORREF>{tol[0], tol[1], 0x123456}));
}

// Markers of every shape and size, plain or outlined; a line's own width and
// style, and markers on a line where the user asks for them.
TEST(SeriesStyle, MarkersAndLines)
{
    Styled scatter(0);
    scatter.s.m_bPlainMarkers = true;
    scatter.s.m_series[0].m_nMarker = MarkerShape::Circle;
    scatter.s.m_series[1].m_nMarker = MarkerShape::Cross;
    scatter.s.m_series[2].m_nMarker = MarkerShape::None;
    scatter.s.m_series[0].m_nMarkerSize = 6;
    const std::vector<Op> ops = SeriesOps(scatter.Draw());
    const std::vector<Op> circles = OpsOf(ops, OpKind::Poly);
    ASSERT_EQ(circles.size(), 5u);
    EXPECT_EQ(circles[0].points.size(), 16u);
    EXPECT_EQ(circles[0].points[0], (CPoint{80 + 6, 24}));
    EXPECT_EQ(circles[0].pen.color, scatter.s.m_crSeries[0]);   // plain: outlined in its own colour
    EXPECT_EQ(OpsOf(ops, OpKind::Line).size(), 10u);             // five crosses of two lines
    EXPECT_TRUE(OpsOf(ops, OpKind::Rect).empty());

    Styled line(1);
    line.s.m_series[1].m_nLineWidth = 3;
    line.s.m_series[1].m_nLineStyle = PS_DASH;
    line.s.m_series[2].m_nMarker = MarkerShape::Square;
    const std::vector<Op> lined = SeriesOps(line.Draw());
    EXPECT_EQ(OpsOf(lined, OpKind::Line)[4].pen, (CPen{PS_DASH, 3, line.s.m_crSeries[1]}));
    const std::vector<Op> squares = OpsOf(lined, OpKind::Rect);
    ASSERT_EQ(squares.size(), 5u);
    EXPECT_EQ(squares[0].pen, (CPen{PS_SOLID, 0, line.s.m_crForeground}));
}

// A series on the right V axis maps its values on that axis's range, whose
// labels stand right of the plot (narrowed by 13 characters); the legend marks
// it with a triangle pointing right.
TEST(SeriesStyle, RightAxis)
{
    Styled chart(0);
    chart.s.m_series[2].m_bRightAxis = true;
    chart.s.m_dV2Min = 0;
    chart.s.m_dV2Max = 1000;
    chart.s.m_dV2Step = 500;
    chart.s.m_nV2Limit = 0;
    const CRecordingDC dc = chart.Draw();
    const CPageLayout& l = chart.page;
    const int width = int(13 * (80 / 14.0));
    EXPECT_EQ(l.m_nRightAxisWidth, width);
    EXPECT_EQ(l.m_nPlotRight, 700 - width);
    const std::vector<Op> markers = OpsOf(SeriesOps(dc), OpKind::Rect);
    ASSERT_EQ(markers.size(), 15u);
    // 420 of 0..1000 over 528 units: 221 above B.
    EXPECT_EQ(markers[14].points[0].y + 2, 24 + int(420 * (528 / 1000.0)));
    std::vector<std::string> rightLabels;
    for (const Op& op : OpsOf(dc, OpKind::Text))
        if (op.points[0].x == int(l.m_nPlotRight + 80 / 14.0))
            rightLabels.push_back(op.text);
    EXPECT_EQ(rightLabels, (std::vector<std::string>{"0", "500", "1000"}));
    const std::vector<Op> triangles = OpsOf(dc, OpKind::Poly);
    ASSERT_EQ(triangles.size(), 1u);
    EXPECT_EQ(triangles[0].points.size(), 3u);
    EXPECT_EQ(triangles[0].points[0].x, int(l.m_nPlotRight + width + 160 / 14.0));
}
