#include "Chart3DFixture.h"
#include "chart3d/Graph3D.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

namespace {

using Kind = CRecordingDC::OpKind;

struct Label {
    std::string text;
    CPoint at;
};

CRecordingDC DrawExample(const CPlotSettings& s, bool printing = false, int width = kPageWidth,
                         int height = kPageHeight)
{
    const CSorvDoc doc = MakeDoc(11, 11, [](int c, int r) { return (c + r) * 5.0; });
    CRecordingDC dc;
    dc.m_bPrinting = printing;
    DrawOnPage(dc, doc, s, width, height);
    return dc;
}

// The sixteen lines of the four outlines k0 k1 k2 k3 k0, k4 k0 k3 k7 k4,
// k1 k5 k6 k2 k1, k5 k4 k7 k6 k5.
void ExpectBox(const CRecordingDC& dc, const CPoint (&k)[8], int penWidth)
{
    const int order[4][5] = {{0, 1, 2, 3, 0}, {4, 0, 3, 7, 4}, {1, 5, 6, 2, 1}, {5, 4, 7, 6, 5}};
    const auto lines = OpsOf(dc, Kind::Line);
    ASSERT_EQ(lines.size(), 16u);
    for (int o = 0; o < 4; ++o) {
        for (int n = 0; n < 4; ++n) {
            const auto& line = lines[std::size_t(o * 4 + n)];
            EXPECT_EQ(line.points[0], k[order[o][n]]) << o << "/" << n;
            EXPECT_EQ(line.points[1], k[order[o][n + 1]]) << o << "/" << n;
            EXPECT_EQ(line.pen, (CPen{PS_SOLID, penWidth, RGB(255, 0, 255)}));
        }
    }
}

// The texts of a draw without title.
void ExpectLabels(const CRecordingDC& dc, const std::vector<Label>& labels, int cw)
{
    auto texts = OpsOf(dc, Kind::Text);
    ASSERT_EQ(texts.size(), labels.size());
    for (std::size_t n = 0; n < labels.size(); ++n) {
        const auto& op = texts[n];
        EXPECT_EQ(op.text, labels[n].text) << n;
        EXPECT_EQ(op.points[0], labels[n].at) << labels[n].text;
        EXPECT_EQ(op.font.height, 2 * cw);
        EXPECT_EQ(op.font.width, cw);
        EXPECT_FALSE(op.font.underline);
    }
}

struct BoxCase {
    const char* name;
    double rotY;
    bool printing;
    bool invertedRange;  // m_dVMin 100 above m_dVMax 0
    CPoint k[8];
    std::vector<Label> labels;
};

// Side B at the default angles, side A when turned by 45 degrees, and the
// printed sizes (5-unit pen, 16-unit characters).
TEST(Box3D, CornersAndLabels)
{
    const BoxCase cases[] = {
        {"side B", 315, false, false,
         {{-12, 137}, {200, 217}, {200, 245}, {-12, 163}, {200, 55}, {412, 137}, {412, 163}, {200, 83}},
         {{"0", {-28, 137}}, {"10", {176, 217}}, {"x", {78, 177}}, {"0", {208, 217}}, {"10", {420, 137}},
          {"y", {314, 177}}, {"0.000", {420, 153}}, {"100.000", {420, 163}}, {"z", {420, 158}}}},
        {"side A", 45, false, false,
         {{200, 217}, {412, 137}, {412, 163}, {200, 245}, {-12, 137}, {200, 55}, {200, 83}, {-12, 163}},
         {{"0", {208, 217}}, {"10", {420, 137}}, {"x", {314, 177}}, {"0", {184, 217}}, {"10", {-36, 137}},
          {"y", {78, 177}}, {"0.000", {-60, 153}}, {"100.000", {-76, 163}}, {"z", {-28, 158}}}},
        {"printing", 315, true, false,
         {{-12, 137}, {200, 217}, {200, 245}, {-12, 163}, {200, 55}, {412, 137}, {412, 163}, {200, 83}},
         {{"0", {-44, 137}}, {"10", {152, 217}}, {"x", {62, 177}}, {"0", {216, 217}}, {"10", {428, 137}},
          {"y", {322, 177}}, {"0.000", {428, 169}}, {"100.000", {428, 163}}, {"z", {428, 166}}}},
        // An inverted range keeps its height: m_dVMin still lies at the bottom.
        {"inverted range", 315, false, true,
         {{-12, 137}, {200, 217}, {200, 245}, {-12, 163}, {200, 55}, {412, 137}, {412, 163}, {200, 83}},
         {{"0", {-28, 137}}, {"10", {176, 217}}, {"x", {78, 177}}, {"0", {208, 217}}, {"10", {420, 137}},
          {"y", {314, 177}}, {"100.000", {420, 153}}, {"0.000", {420, 163}}, {"z", {420, 158}}}},
    };
    for (const BoxCase& c : cases) {
        SCOPED_TRACE(c.name);
        CPlotSettings s = ExampleSettings();
        s.m_dRotY = c.rotY;
        if (c.invertedRange)
            std::swap(s.m_dVMin, s.m_dVMax);
        const CRecordingDC dc = DrawExample(s, c.printing);
        ExpectBox(dc, c.k, c.printing ? 5 : 2);
        ExpectLabels(dc, c.labels, c.printing ? 16 : 8);
    }
}

TEST(Box3D, LabelFormatsAndRowScale)
{
    CPlotSettings s = ExampleSettings();
    s.m_dScaleY = 0.5;
    s.m_nHLimit = 2;
    s.m_dVMax = 1e100;
    const CRecordingDC dc = DrawExample(s);
    const auto texts = OpsOf(dc, Kind::Text);
    ASSERT_EQ(texts.size(), 9u);
    EXPECT_EQ(texts[0].text, "0.00");
    EXPECT_EQ(texts[1].text, "10.00");
    EXPECT_EQ(texts[3].text, "0.00");
    EXPECT_EQ(texts[4].text, "5.00");
    const std::string& huge = texts[7].text;
    EXPECT_EQ(huge.size(), 105u);  // 101 digits, point, three decimals
    EXPECT_EQ(huge.substr(0, 5), "10000");
    EXPECT_EQ(huge.substr(huge.size() - 4), ".000");
}

TEST(Box3D, MagentaWhateverTheColoursAndHiddenWithoutLegend)
{
    CPlotSettings s = ExampleSettings();
    s.m_crForeground = RGB(1, 2, 3);
    s.m_crView = RGB(4, 5, 6);
    s.m_crAxis = RGB(255, 0, 255);
    CRecordingDC dc = DrawExample(s);
    for (const auto& line : OpsOf(dc, Kind::Line))
        EXPECT_EQ(line.pen.color, RGB(255, 0, 255));

    s.m_bLegend = false;
    s.m_nModel = 1;
    const CRecordingDC without = DrawExample(s);
    EXPECT_TRUE(OpsOf(without, Kind::Line).empty());
    EXPECT_TRUE(OpsOf(without, Kind::Text).empty());
    EXPECT_EQ(OpsOf(without, Kind::Poly).size(), 100u);
}

TEST(Graph3D, PageAreaAndTitle)
{
    const struct {
        int w, h;
        CPoint at;
        int fontH, fontW;
    } cases[] = {{400, 300, {162, 285}, 15, 7}, {400, 30, {195, 28}, 2, 1}};
    for (const auto& c : cases) {
        CPlotSettings s = ExampleSettings();
        s.m_strTitle = "0123456789";
        const CRecordingDC dc = DrawExample(s, false, c.w, c.h);
        const auto& area = dc.Ops().at(0);
        EXPECT_EQ(area.kind, Kind::Rect);
        EXPECT_EQ(area.points, (std::vector<CPoint>{{0, c.h}, {c.w, 0}}));
        EXPECT_EQ(area.pen, (CPen{PS_SOLID, 0, s.m_crForeground}));
        EXPECT_EQ(area.brush.color, s.m_crView);
        const auto& title = dc.Ops().at(1);
        EXPECT_EQ(title.kind, Kind::Text);
        EXPECT_EQ(title.text, s.m_strTitle);
        EXPECT_EQ(title.points[0], c.at);
        EXPECT_EQ(title.font, (CFont{c.fontH, c.fontW, true, s.m_strFontFace}));
    }
}

TEST(Graph3D, EverySelectedObjectIsPutBack)
{
    const CPen pen{PS_DASH, 3, RGB(9, 9, 9)};
    const CBrush brush{RGB(7, 7, 7)};
    const CFont font{11, 5, false, "face"};
    for (int model = 0; model <= 5; ++model) {
        const CSorvDoc doc = MakeDoc(6, 4, [](int c, int r) { return c * 10.0 + r * 5.0; });
        CPlotSettings s = ExampleSettings();
        s.m_nModel = model;
        s.m_dRotX = 270;
        s.m_strTitle = "title";
        CRecordingDC dc;
        dc.SelectObject(pen);
        dc.SelectObject(brush);
        dc.SelectObject(font);
        DrawOnPage(dc, doc, s);
        EXPECT_GT(dc.Ops().size(), 10u);
        EXPECT_EQ(dc.GetCurrentPen(), pen) << model;
        EXPECT_EQ(dc.GetCurrentBrush(), brush) << model;
        EXPECT_EQ(dc.GetCurrentFont(), font) << model;
    }
}

}  // namespace
