// Plot rectangle, scales, grid lines, tick labels and frame of the 2D charts.

#include "ChartTestData.h"

#include "chart2d/AxisLabel.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const CFont kVFont{11, 5, false, CPlotSettings().m_strFontFace};
const CFont kHFont{12, 6, false, CPlotSettings().m_strFontFace};

std::vector<Op> TextsWithFont(const CRecordingDC& dc, const CFont& font)
{
    std::vector<Op> out;
    for (const Op& op : OpsOf(dc, OpKind::Text))
        if (op.font == font)
            out.push_back(op);
    return out;
}

// The vertical labels: the legend uses the same font right of the plot.
std::vector<Op> VLabels(const CRecordingDC& dc)
{
    std::vector<Op> out;
    for (const Op& op : TextsWithFont(dc, kVFont))
        if (op.points[0].x < 80)
            out.push_back(op);
    return out;
}

void ExpectText(const Op& op, int x, int y, const std::string& text)
{
    EXPECT_EQ(op.points[0], (CPoint{x, y})) << text;
    EXPECT_EQ(op.text, text);
}

CSorvDoc TenColumns(double max)
{
    return MakeDoc({{0, max, 0, 0, 0, 0, 0, 0, 0, 0}});
}

}  // namespace

TEST(Axes, PlotRectangleFollowsPageAndLegend)
{
    struct Case {
        int w, h;
        bool legend;
        int l, b, r, t;
    };
    const Case cases[] = {
        {800, 600, true, 80, 24, 700, 552},
        {800, 600, false, 80, 24, 780, 552},
        {1000, 700, true, 100, 28, 875, 644},
        {1601, 1201, false, 160, 48, 1560, 1104},
    };
    const CSorvDoc doc = TenColumns(1);
    for (const Case& c : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(c.w, c.h);
        s.m_bLegend = c.legend;
        DrawChart(doc, s, page);
        EXPECT_EQ(page.m_nPlotLeft, c.l);
        EXPECT_EQ(page.m_nPlotBottom, c.b);
        EXPECT_EQ(page.m_nPlotRight, c.r);
        EXPECT_EQ(page.m_nPlotTop, c.t);
        EXPECT_DOUBLE_EQ(page.m_dHScale, (c.r - c.l) / 9.0);
    }
}

TEST(Axes, DefaultAxesOnTheScreenPage)
{
    const CSorvDoc doc = TenColumns(0.7);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    const CRecordingDC dc = DrawChart(doc, s, page);

    // The plot area comes first, filled with the view colour.
    const Op& area = dc.Ops().front();
    ASSERT_EQ(area.kind, OpKind::Rect);
    EXPECT_EQ(area.points, (std::vector<CPoint>{{80, 552}, {700, 24}}));
    EXPECT_EQ(area.brush.color, s.m_crView);
    EXPECT_EQ(area.pen, (CPen{PS_SOLID, 0, s.m_crForeground}));

    // Eleven grid lines from the minimum; each label's top is 5 above its line.
    const std::vector<int> ys = GridYs(dc, s, page);
    ASSERT_EQ(ys.size(), 11u);
    EXPECT_EQ(ys.front(), 24);
    const std::vector<Op> vLabels = VLabels(dc);
    ASSERT_EQ(vLabels.size(), 11u);
    for (std::size_t i = 0; i < ys.size(); ++i) {
        EXPECT_EQ(vLabels[i].points[0], (CPoint{5, ys[i] + 5}));
        EXPECT_EQ(vLabels[i].text.size(), 12u);
    }
    EXPECT_EQ(vLabels[0].text, "       0.000");

    // No horizontal grid; 0 centred under L and 9 under R, tops at 18.
    EXPECT_TRUE(GridXs(dc, s, page).empty());
    const std::vector<Op> hLabels = TextsWithFont(dc, kHFont);
    ASSERT_EQ(hLabels.size(), 2u);
    ExpectText(hLabels[0], 77, 18, "0");
    ExpectText(hLabels[1], 697, 18, "9");
}

TEST(Axes, TenGridLinesWhenTheStepsAddUpPastTheMaximum)
{
    const CSorvDoc doc = TenColumns(0.3);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_EQ(GridYs(dc, s, page).size(), 10u);
}

TEST(Axes, VerticalLabelsRightJustifiedInTwelve)
{
    const CSorvDoc doc = TenColumns(25);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_dVStep = 2.5;
    const CRecordingDC dc = DrawChart(doc, s, page);
    const std::vector<Op> labels = VLabels(dc);
    ASSERT_EQ(labels.size(), 11u);
    ExpectText(labels[5], 5, 293, "      12.500");

    s.m_nVLimit = 0;
    const CRecordingDC dc0 = DrawChart(doc, s, page);
    ExpectText(VLabels(dc0)[1], 5, 29 + 52, "           2");
}

// A wider label is drawn whole and ends where a 12-character one ends.
TEST(Axes, WideLabelsAreDrawnWhole)
{
    struct Case {
        double v;
        int decimals;
        std::string vText;
        int vx;
        std::string hText;
        int hx;
    };
    const Case cases[] = {
        {125.5, 9, "125.500000000", 0, "125.500000000", 41},
        {12.5, 9, "12.500000000", 5, "12.500000000", 44},
        {1e12, 0, "1000000000000", 0, "1000000000000", 41},
        {-12.5, 0, "         -12", 5, "-12", 71},
    };
    const CSorvDoc doc = TenColumns(1);
    for (const Case& c : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_dVMin = s.m_dVMax = c.v;
        s.m_dHMin = s.m_dHMax = c.v;
        s.m_nVLimit = s.m_nHLimit = c.decimals;
        const CRecordingDC dc = DrawChart(doc, s, page);
        const std::vector<Op> v = VLabels(dc);
        ASSERT_EQ(v.size(), 2u);
        ExpectText(v[0], c.vx, 29, c.vText);
        const std::vector<Op> h = TextsWithFont(dc, kHFont);
        ASSERT_EQ(h.size(), 2u);
        ExpectText(h[0], c.hx, 18, c.hText);
    }
}

TEST(Axes, LogarithmicVerticalAxisFromOneToThousand)
{
    const CSorvDoc doc = TenColumns(1000);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_dVMin = 1;
    s.m_dVStep = 1;
    s.m_bVLog = true;
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_DOUBLE_EQ(page.m_dVScale, 176.0);

    std::vector<int> expected;
    for (int e = 0; e <= 2; ++e)
        for (int k = 1; k <= 9; ++k)
            expected.push_back(int(std::log10(k * std::pow(10.0, e)) * 176.0) + 24);
    expected.push_back(552);
    EXPECT_EQ(GridYs(dc, s, page), expected);
    EXPECT_EQ(expected[1], 24 + 52);  // 2 at log10(2) * 176

    const std::vector<Op> labels = VLabels(dc);
    ASSERT_EQ(labels.size(), 8u);
    for (int e = 0; e <= 3; ++e) {
        const int ty = 24 + 176 * e + 5;
        ExpectText(labels[2 * e], 51, ty, "10");
        ExpectText(labels[2 * e + 1], 62, ty + 5, std::to_string(e));
    }
}

TEST(Axes, LogarithmicMinimumAtOrBelowZeroStartsAtMinusSix)
{
    for (double min : {0.0, -5.0, 1e-7}) {
        const CSorvDoc doc = TenColumns(100);
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_dVMin = min;
        s.m_dVStep = 1;
        s.m_bVLog = true;
        const CRecordingDC dc = DrawChart(doc, s, page);
        EXPECT_DOUBLE_EQ(page.m_dVScale, 66.0);
        const std::vector<Op> labels = VLabels(dc);
        ASSERT_EQ(labels.size(), 18u);
        ExpectText(labels[1], 62, 34, "-6");
        EXPECT_EQ(GridYs(dc, s, page).front(), 24);
    }
}

// Both ends at or below 1e-6: the decade factor is infinite and no line can be placed.
TEST(Axes, LogarithmicAxisWithBothEndsAtTheFloor)
{
    const CSorvDoc doc = TenColumns(1);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_dVMin = -1;
    s.m_dVMax = 1e-7;
    s.m_dVStep = 1;
    s.m_bVLog = true;
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_TRUE(std::isinf(page.m_dVScale));
    EXPECT_TRUE(GridYs(dc, s, page).empty());
    EXPECT_TRUE(SeriesOps(dc).empty());
}

TEST(Axes, EndsOnlyWhenTheRangeIsInvertedOrTheStepZero)
{
    struct Case {
        double min, max, step;
        bool log;
    };
    const Case cases[] = {{10, 5, 1, false}, {10, 5, 1, true}, {5, 10, 0, false}, {5, 10, 0, true}, {5, 5, 1, false}};
    for (const Case& c : cases) {
        const CSorvDoc doc = TenColumns(1);
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_dVMin = c.min;
        s.m_dVMax = c.max;
        s.m_dVStep = c.step;
        s.m_bVLog = c.log;
        const CRecordingDC dc = DrawChart(doc, s, page);
        EXPECT_TRUE(GridYs(dc, s, page).empty());
        const std::vector<Op> labels = VLabels(dc);
        ASSERT_EQ(labels.size(), 2u);
        ExpectText(labels[0], 5, 29, FormatAxisNumber(c.min, 3, false));
        ExpectText(labels[1], 5, 557, FormatAxisNumber(c.max, 3, false));
        // A logarithmic axis keeps counting in decades for the series.
        const double span = c.log ? std::log10(c.max) - std::log10(c.min) : c.max - c.min;
        EXPECT_DOUBLE_EQ(page.m_dVScale, 528 / span);
    }
}

TEST(Axes, HorizontalTicksLinearAndLogarithmic)
{
    const CSorvDoc doc = TenColumns(1);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_dHStep = 3;
    CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_EQ(GridXs(dc, s, page), (std::vector<int>{80, 286, 493, 700}));
    std::vector<Op> labels = TextsWithFont(dc, kHFont);
    ASSERT_EQ(labels.size(), 4u);
    ExpectText(labels[1], 283, 18, "3");

    s.m_dHMin = 1;
    s.m_dHMax = 100;
    s.m_dHStep = 1;
    s.m_bHLog = true;
    dc = DrawChart(doc, s, page);
    EXPECT_EQ(GridXs(dc, s, page).size(), 19u);
    EXPECT_EQ(GridXs(dc, s, page)[1], 80 + int(std::log10(2.0) * 310));
    labels = TextsWithFont(dc, kHFont);
    ASSERT_EQ(labels.size(), 6u);
    ExpectText(labels[0], 68, 15, "10");
    ExpectText(labels[1], 80, 21, "0");
    ExpectText(labels[4], 688, 15, "10");
    ExpectText(labels[5], 700, 21, "2");
}

// A walk whose step cannot move the value still ends, at most 10000 ticks.
TEST(Axes, TickWalksAlwaysEnd)
{
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const double inf = std::numeric_limits<double>::infinity();
    struct Case {
        double min, max, step;
        std::size_t lines;
    };
    const Case cases[] = {
        {0, 10, -1, 1}, {0, 10, nan, 1}, {1e20, 2e20, 1, 1}, {0, 1, 1e-9, 10000},
        {-inf, 0, 1, 0}, {0, inf, 1e308, 2},
    };
    const CSorvDoc doc = TenColumns(1);
    for (const Case& c : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_dVMin = s.m_dHMin = c.min;
        s.m_dVMax = s.m_dHMax = c.max;
        s.m_dVStep = s.m_dHStep = c.step;
        const CRecordingDC dc = DrawChart(doc, s, page);
        EXPECT_EQ(GridYs(dc, s, page).size(), c.lines) << c.min << " " << c.max << " " << c.step;
        EXPECT_EQ(GridXs(dc, s, page).size(), c.lines) << c.min << " " << c.max << " " << c.step;
    }
}

TEST(Axes, LogarithmicAxesWithInfiniteEndsDrawNoDecades)
{
    const CSorvDoc doc = TenColumns(1);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_dVMin = s.m_dHMin = 1;
    s.m_dVMax = s.m_dHMax = std::numeric_limits<double>::infinity();
    s.m_dVStep = s.m_dHStep = 1;
    s.m_bVLog = s.m_bHLog = true;
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_TRUE(GridYs(dc, s, page).empty());
    EXPECT_TRUE(GridXs(dc, s, page).empty());
}

TEST(Axes, FontsNeverShrinkBelowTheirMinimum)
{
    const CSorvDoc doc = TenColumns(1);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(100, 40);
    s.m_dVStep = 0;
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_EQ(page.m_nPlotLeft, 10);
    EXPECT_EQ(page.m_nPlotBottom, 1);
    const CFont tiny{2, 1, false, s.m_strFontFace};
    // Two vertical, two horizontal labels and the legend entry.
    EXPECT_EQ(TextsWithFont(dc, tiny).size(), 5u);
}

TEST(Axes, GetLabelLengthStopsAtTheFirstBlank)
{
    EXPECT_EQ(GetLabelLength(""), 0);
    EXPECT_EQ(GetLabelLength(" 12"), 0);
    EXPECT_EQ(GetLabelLength("12          "), 2);
    EXPECT_EQ(GetLabelLength("-1.5"), 4);
}

TEST(Axes, ClipAroundTheSeriesAndFrameOnTop)
{
    const CSorvDoc doc = TenColumns(1);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    const CRecordingDC dc = DrawChart(doc, s, page);
    const auto& ops = dc.Ops();
    auto clip = std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.kind == OpKind::Clip; });
    ASSERT_NE(clip, ops.end());
    EXPECT_EQ(clip->points, (std::vector<CPoint>{{80, 552}, {700, 24}}));
    // Nothing but markers between the clip and its end; the frame follows.
    const std::vector<Op> series = SeriesOps(dc);
    EXPECT_EQ(series.size(), 10u);
    for (const Op& op : series)
        EXPECT_EQ(op.kind, OpKind::Rect);
    ASSERT_EQ(ops.end() - (clip + 1 + 10), 5);
    EXPECT_EQ(clip[11].kind, OpKind::ClipOff);

    const std::vector<CPoint> frame[] = {
        {{80, 24}, {700, 24}}, {{700, 24}, {700, 552}}, {{700, 552}, {80, 552}}, {{80, 552}, {80, 24}}};
    for (int i = 0; i < 4; ++i) {
        const Op& op = clip[12 + i];
        EXPECT_EQ(op.kind, OpKind::Line);
        EXPECT_EQ(op.points, frame[i]);
        EXPECT_EQ(op.pen, (CPen{PS_SOLID, 2, s.m_crForeground}));
    }
}
