// The legend entries and the title of the 2D charts.

#include "ChartTestData.h"

#include <gtest/gtest.h>

namespace {

CSorvDoc RowsDoc(int rows, const std::vector<std::string>& labels = {})
{
    std::vector<std::vector<double>> values;
    for (int r = 0; r < rows; ++r)
        values.push_back({double(r), 1.0});
    return MakeDoc(values, labels);
}

// Swatches: rectangles outlined with the black pen, after the plot area.
std::vector<Op> Swatches(const CRecordingDC& dc)
{
    std::vector<Op> out;
    for (const Op& op : OpsOf(dc, OpKind::Rect))
        if (op.pen == CPen{PS_SOLID, 0, 0})
            out.push_back(op);
    return out;
}

// Legend labels: the texts right of the plot.
std::vector<Op> LegendLabels(const CRecordingDC& dc, const CPageLayout& page)
{
    std::vector<Op> out;
    for (const Op& op : OpsOf(dc, OpKind::Text))
        if (op.points[0].x > page.m_nPlotRight)
            out.push_back(op);
    return out;
}

}  // namespace

TEST(Legend, EntriesOnTheScreenPage)
{
    const CSorvDoc doc = RowsDoc(3, {"alpha", "beta", "gamma"});
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    const CRecordingDC dc = DrawChart(doc, s, page);
    const std::vector<Op> swatches = Swatches(dc);
    ASSERT_EQ(swatches.size(), 3u);
    const std::vector<CPoint> expected[] = {
        {{711, 552}, {722, 540}}, {{711, 534}, {722, 522}}, {{711, 517}, {722, 505}}};
    const std::vector<Op> labels = LegendLabels(dc, page);
    ASSERT_EQ(labels.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(swatches[i].points, expected[i]);
        EXPECT_EQ(swatches[i].brush.color, s.m_crSeries[i]);
        EXPECT_EQ(labels[i].points[0], (CPoint{728, expected[i][0].y}));
        EXPECT_EQ(labels[i].text, doc->m_pLabels[i]);
        EXPECT_EQ(labels[i].font, (CFont{11, 5, false, s.m_strFontFace}));
    }
}

TEST(Legend, AtMostThirtyEntriesColoursRepeatLabelsCut)
{
    std::vector<std::string> names(40, "r");
    names[1] = "abcdefghijklmnop";
    CSorvDoc doc = RowsDoc(40, names);
    // The region does not change the legend: it still starts at row 0.
    doc.m_nY1 = 5;
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    const CRecordingDC dc = DrawChart(doc, s, page);
    const std::vector<Op> swatches = Swatches(dc);
    ASSERT_EQ(swatches.size(), 30u);
    EXPECT_EQ(swatches[7].brush.color, s.m_crSeries[0]);
    EXPECT_EQ(swatches[13].brush.color, s.m_crSeries[6]);
    const std::vector<Op> labels = LegendLabels(dc, page);
    ASSERT_EQ(labels.size(), 30u);
    EXPECT_EQ(labels[1].text, "abcdefghijkl");
}

TEST(Legend, OffLeavesTheStripEmpty)
{
    const CSorvDoc doc = RowsDoc(3);
    CPlotSettings s = MakeSettings(doc);
    CPageLayout page = MakePage(800, 600);
    s.m_bLegend = false;
    const CRecordingDC dc = DrawChart(doc, s, page);
    EXPECT_TRUE(Swatches(dc).empty());
    EXPECT_TRUE(LegendLabels(dc, page).empty());
}

TEST(Title, CentredOnThePageAboveThePlot)
{
    struct Case {
        std::string title;
        int x;
    };
    const Case cases[] = {{"abcde", 370}, {"", 0}, {"a", 394}};
    const CSorvDoc doc = RowsDoc(1);
    for (const Case& c : cases) {
        CPlotSettings s = MakeSettings(doc);
        CPageLayout page = MakePage(800, 600);
        s.m_strTitle = c.title;
        const CRecordingDC dc = DrawChart(doc, s, page);
        std::vector<Op> titles;
        for (const Op& op : OpsOf(dc, OpKind::Text))
            if (op.font == CFont{24, 12, true, s.m_strFontFace})
                titles.push_back(op);
        if (c.title.empty()) {
            EXPECT_TRUE(titles.empty());
            continue;
        }
        ASSERT_EQ(titles.size(), 1u);
        EXPECT_EQ(titles[0].points[0], (CPoint{c.x, 588}));
        EXPECT_EQ(titles[0].text, c.title);
    }
}
