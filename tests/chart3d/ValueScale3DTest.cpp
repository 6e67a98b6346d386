// The 3D value scale: the colour bar, the value ticks on the box's vertical
// edge, the box fitted into the page, and the values fitted to the box.

#include "Chart3DFixture.h"
#include "chart3d/Projection3D.h"
#include "chart3d/ValueTicks3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>

namespace {

using Kind = CRecordingDC::OpKind;
using Op = CRecordingDC::Op;

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

CSorvDoc Example()
{
    return MakeDoc(11, 11, [](int c, int r) { return (c + r) * 5.0; });
}

CPlotSettings ScaleSettings(int model)
{
    CPlotSettings s = ExampleSettings();
    s.m_nModel = model;
    s.m_bColorBar = true;
    return s;
}

// The labels of the text operations from the n-th on, joined by blanks.
std::string Texts(const std::vector<Op>& texts, std::size_t from = 0)
{
    std::string joined;
    for (std::size_t n = from; n < texts.size(); ++n)
        joined += (joined.empty() ? "" : " ") + texts[n].text;
    return joined;
}

// The fill of a model-3 cell whose four corners hold value, on the range 0..100.
COLORREF CellFill(double value)
{
    const CSorvDoc flat = MakeDoc(2, 2, [&](int, int) { return value; });
    CRecordingDC dc;
    DrawOnPage(dc, flat, ScaleSettings(3));
    return OpsOf(dc, Kind::Poly).at(0).brush.color;
}

// On the 400 x 300 page the bar runs from row 45 to 240 at x 344..360, the
// surface keeping the 336 units left of its strip. Every row of it has the
// colour a cell of the row's value gets; three ticks 0, 50 and 100.
TEST(ColorBar3D, RowsInTheModelsColoursWithTicks)
{
    CRecordingDC dc;
    const CPageLayout layout = DrawOnPage(dc, Example(), ScaleSettings(3));
    EXPECT_EQ(layout.m_n3DWidth, 336);
    const auto rects = OpsOf(dc, Kind::Rect);
    ASSERT_EQ(rects.size(), 1u + 195u);  // the page area, then one a row
    for (int row = 0; row < 195; row += 13) {
        const Op& band = rects[std::size_t(1 + row)];
        EXPECT_EQ(band.points, (std::vector<CPoint>{{344, 46 + row}, {360, 45 + row}})) << row;
        EXPECT_EQ(band.brush.color, CellFill((row + 0.5) / 195 * 100)) << row;
        EXPECT_EQ(band.pen.color, band.brush.color) << row;
    }
    const auto frame = OpsOf(dc, Kind::Polyline).back();
    EXPECT_EQ(frame.points, (std::vector<CPoint>{{344, 45}, {360, 45}, {360, 240}, {344, 240}, {344, 45}}));
    EXPECT_EQ(frame.pen, (CPen{PS_SOLID, 0, ExampleSettings().m_crForeground}));

    const auto texts = OpsOf(dc, Kind::Text);
    ASSERT_GE(texts.size(), 3u);
    const std::size_t bar = texts.size() - 3;
    EXPECT_EQ(Texts(texts, bar), "0 50 100");
    const int tickY[3] = {45, 142, 240};
    const auto lines = OpsOf(dc, Kind::Line);
    for (int n = 0; n < 3; ++n) {
        EXPECT_EQ(texts[bar + std::size_t(n)].points[0], (CPoint{368, tickY[n] + 8}));
        const Op& mark = lines[lines.size() - 3 + std::size_t(n)];
        EXPECT_EQ(mark.points, (std::vector<CPoint>{{360, tickY[n]}, {364, tickY[n]}}));
    }
}

// Only the colour models with a usable range and room on the page have a bar;
// the surface then keeps the whole page.
TEST(ColorBar3D, LeftOutWhereItMeansNothing)
{
    const struct {
        const char* name;
        int model;
        bool asked;
        double vmin, vmax;
        int width, height;
    } cases[] = {
        {"not asked", 3, false, 0, 100, 400, 300},
        {"surface model", 1, true, 0, 100, 400, 300},
        {"grey shading: colours show the light, not the value", 4, true, 0, 100, 400, 300},
        {"empty range", 3, true, 50, 50, 400, 300},
        {"inverted range", 2, true, 100, 0, 400, 300},
        {"infinite range", 3, true, -1.7e308, 1.7e308, 400, 300},
        {"NaN range", 3, true, kNaN, 100, 400, 300},
        {"narrow page", 3, true, 0, 100, 150, 300},
        {"low page", 3, true, 0, 100, 400, 40},
    };
    for (const auto& c : cases) {
        CPlotSettings s = ScaleSettings(c.model);
        s.m_bColorBar = c.asked;
        s.m_dVMin = c.vmin;
        s.m_dVMax = c.vmax;
        s.m_bLegend = false;
        CRecordingDC dc;
        const CPageLayout layout = DrawOnPage(dc, Example(), s, c.width, c.height);
        EXPECT_EQ(layout.m_n3DWidth, c.width) << c.name;
        EXPECT_EQ(OpsOf(dc, Kind::Rect).size(), 1u) << c.name;
        EXPECT_TRUE(OpsOf(dc, Kind::Text).empty()) << c.name;
    }
}

// Ticks along the vertical edge at the last row (k5..k6 on side B, k4..k7 on
// side A): each label centred on its point, a mark toward it in the box pen,
// the last row's label left clear, "z" above the edge; no lowest and highest
// value labels.
TEST(Box3DValueTicks, AlongTheVerticalEdge)
{
    const struct {
        double rotY;
        bool right;
        int bottom, top;  // corners b and c
    } sides[] = {{315, true, 5, 6}, {45, false, 4, 7}};
    for (const auto& side : sides) {
        CPlotSettings s = ScaleSettings(1);
        s.m_bScaleZFit = true;
        s.m_dScaleZFit = 1.0;
        s.m_dRotY = side.rotY;
        CRecordingDC dc;
        DrawOnPage(dc, Example(), s, 800, 600);
        const auto lines = OpsOf(dc, Kind::Line);
        ASSERT_GT(lines.size(), 16u);
        // The outline k5 k4 k7 k6 k5 ends the box; k4 k0 k3 k7 k4 is the second.
        const CPoint k[8] = {lines[0].points[0], lines[1].points[0], lines[2].points[0], lines[3].points[0],
                             lines[4].points[0], lines[12].points[0], lines[15].points[0], lines[14].points[0]};
        const CPoint b = k[side.bottom], c = k[side.top];
        const auto texts = OpsOf(dc, Kind::Text);
        ASSERT_GE(texts.size(), 8u);
        EXPECT_EQ(Texts(texts, 6), "20 40 60 80 100 z") << side.rotY;  // 0 would cover the last row
        for (std::size_t n = 6; n + 1 < texts.size(); ++n) {
            const double value = std::stod(texts[n].text);
            const int sign = side.right ? 1 : -1;
            const CPoint at{texts[n].points[0].x - (side.right ? 8 : -8 * int(texts[n].text.size() + 1)),
                            texts[n].points[0].y - 8};
            EXPECT_NEAR(at.x, b.x + (c.x - b.x) * value / 100, 1.0) << texts[n].text;
            EXPECT_NEAR(at.y, b.y + (c.y - b.y) * value / 100, 1.0) << texts[n].text;
            EXPECT_GE(at.y - 8, b.y) << "clear of the last row's label";
            const Op& mark = lines[16 + n - 6];
            EXPECT_EQ(mark.points, (std::vector<CPoint>{at, {at.x + sign * 4, at.y}}));
            EXPECT_EQ(mark.pen, (CPen{PS_SOLID, 2, RGB(255, 0, 255)}));
        }
        const CPoint z = texts.back().points[0];
        EXPECT_EQ(z.y, c.y + 24);
        EXPECT_EQ(z.x, side.right ? c.x + 8 : c.x - 16);
    }
}

// With the value scale the box, as turned, fits within the page less the
// margins for labels and title (one side reaching them), in the page left of
// a colour bar; the zoom scales that fit.
TEST(Box3DValueTicks, BoxFittedIntoThePage)
{
    const struct {
        int model;
        double rotX, rotY, rotZ, zoom;
        int width;  // the surface's part of the 400 x 300 page
    } cases[] = {
        {1, 337.5, 315, 0, 1, 400}, {3, 337.5, 315, 0, 1, 336}, {1, 300, 30, 60, 1, 400}, {3, 20, 200, 0, 2, 336},
    };
    for (const auto& c : cases) {
        CPlotSettings s = ScaleSettings(c.model);
        s.m_bScaleZFit = true;
        s.m_dRotX = c.rotX;
        s.m_dRotY = c.rotY;
        s.m_dRotZ = c.rotZ;
        s.m_dZoom = c.zoom;
        CRecordingDC dc;
        const CPageLayout layout = DrawOnPage(dc, Example(), s);
        const double halfW = (c.width * 0.5 - 56) * c.zoom, halfH = (150 - 30 - 24) * c.zoom;
        double reachX = 0, reachY = 0;
        const auto lines = OpsOf(dc, Kind::Line);
        for (std::size_t n = 0; n < 16; ++n) {
            reachX = std::max(reachX, std::abs(lines[n].points[0].x - c.width / 2.0));
            reachY = std::max(reachY, std::abs(lines[n].points[0].y - 150.0));
        }
        EXPECT_LE(reachX, halfW + 1) << c.rotX << " " << c.rotY;
        EXPECT_LE(reachY, halfH + 1) << c.rotX << " " << c.rotY;
        EXPECT_TRUE(reachX >= halfW - 1 || reachY >= halfH - 1) << c.rotX << " " << c.rotY;
        EXPECT_EQ(layout.m_n3DWidth, c.width);
        EXPECT_GT(layout.m_d3DScale, 0.0);
    }
}

// Every second, fourth, ... tick where they lie closer than a label's height,
// 0 among them; a tick without a point or on taken rows is left out.
TEST(ValueTicks3D, EvenlyThinnedAndClearOfTakenRows)
{
    const struct {
        double vmin, vmax;
        double pixelsPerUnit;
        C3DRows taken;
        double missing;  // the value without a page point
        const char* labels;
    } cases[] = {
        {0, 100, 1.0, {}, kNaN, "0 20 40 60 80 100"},
        {0, 100, 0.5, {}, kNaN, "0 40 80"},
        {0, 100, 0.25, {}, kNaN, "0 80"},
        {-60, 60, 0.5, {}, kNaN, "-40 0 40"},
        {0, 100, 1.0, {30, 50}, kNaN, "0 20 60 80 100"},
        {0, 100, 1.0, {}, 60, "0 20 40 80 100"},
        {0, 100, 0.0, {}, kNaN, "0"},
        {5, 5, 1.0, {}, kNaN, ""},
        {0, kInf, 1.0, {}, kNaN, ""},
    };
    for (const auto& c : cases) {
        const C3DValueTicks ticks(c.vmin, c.vmax, 400, 8);
        const auto at = [&](double v) -> std::optional<CPoint> {
            if (v == c.missing)
                return std::nullopt;
            return CPoint{10, int(v * c.pixelsPerUnit)};
        };
        CRecordingDC dc;
        ticks.Draw(dc, at, false, c.taken.to > 0 ? std::vector<C3DRows>{c.taken} : std::vector<C3DRows>{});
        const auto texts = OpsOf(dc, Kind::Text);
        EXPECT_EQ(Texts(texts), c.labels) << c.vmin << ".." << c.vmax << " at " << c.pixelsPerUnit;
        const auto marks = OpsOf(dc, Kind::Line);
        ASSERT_EQ(marks.size(), texts.size());
        for (std::size_t n = 0; n < marks.size(); ++n) {
            EXPECT_EQ(marks[n].points[1].x, 6);
            EXPECT_EQ(texts[n].points[0].x, 10 - 8 * int(texts[n].text.size() + 1));
            EXPECT_EQ(texts[n].points[0].y, marks[n].points[0].y + 8);
        }
    }
}

// The value range fitted to the box spans the share of its longer side,
// whatever m_dScaleZ; without the fit it spans nc x m_dScaleZ as before.
TEST(Projection3D, ValuesFittedToTheBox)
{
    const struct {
        int cols, rows;
        double scaleY, vmin, vmax;
        bool fit;
        double height;
    } cases[] = {
        {11, 11, 1, 0, 100, true, 5},      {11, 11, 1, 0, 1e-9, true, 5},   {41, 31, 1, -64, 96, true, 20},
        {11, 41, 2, 0, 100, true, 40},     {11, 11, 1, 0, 100, false, 1},   {41, 2, 1, 0, 7, false, 4},
        {11, 11, 1, 50, 50, true, 0},      {1, 1, 1, 0, 100, true, 0},
    };
    for (const auto& c : cases) {
        CPlotSettings s = ExampleSettings();
        s.m_dScaleY = c.scaleY;
        s.m_dVMin = c.vmin;
        s.m_dVMax = c.vmax;
        s.m_bScaleZFit = c.fit;
        s.m_dScaleZFit = 0.5;
        C3DProjection proj;
        proj.Init(s, MakeDoc(c.cols, c.rows, [](int, int) { return 0.0; }), kPageWidth, kPageHeight);
        EXPECT_NEAR(proj.ModelV(c.vmax) - proj.ModelV(c.vmin), c.height, 1e-9 * c.height) << c.cols << "x" << c.rows;
    }
}

// A surface of equal values, NaN or infinite cells, one cell, an inverted
// region, a huge range or a tiny page draws with the value scale on, fitted
// values and a colour model, and keeps the fit finite.
TEST(ColorBar3D, DegenerateInputsDrawSanely)
{
    const struct {
        const char* name;
        int cols, rows;
        double value, vmin, vmax;
        bool invert;
        int width, height;
    } cases[] = {
        {"all equal", 5, 5, 3, 3, 3, false, 400, 300},
        {"NaN cells", 5, 5, kNaN, 0, 100, false, 400, 300},
        {"infinite cells", 5, 5, kInf, 0, 100, false, 400, 300},
        {"infinite range", 5, 5, 1, -kInf, kInf, false, 400, 300},
        {"huge range", 5, 5, 1, -1.7e308, 1.7e308, false, 400, 300},
        {"tiny range at large values", 5, 5, 1e10, 1e10, 1e10 + 1e-5, false, 400, 300},
        {"one cell", 1, 1, 1, 0, 100, false, 400, 300},
        {"inverted", 5, 5, 1, 0, 100, true, 400, 300},
        {"tiny page", 5, 5, 1, 0, 100, false, 3, 2},
    };
    for (const auto& c : cases) {
        CSorvDoc doc = MakeDoc(c.cols, c.rows, [&](int col, int) { return col == 2 ? c.value : 1.0; });
        if (c.invert)
            std::swap(doc.m_nX1, doc.m_nX2);
        for (int model : {2, 3, 5}) {
            CPlotSettings s = ScaleSettings(model);
            s.m_bScaleZFit = true;
            s.m_dVMin = c.vmin;
            s.m_dVMax = c.vmax;
            CRecordingDC dc;
            const CPageLayout layout = DrawOnPage(dc, doc, s, c.width, c.height);
            EXPECT_TRUE(std::isfinite(layout.m_d3DScale)) << c.name;
            EXPECT_LE(OpsOf(dc, Kind::Rect).size(), 1u + 1024u) << c.name;
        }
    }
}

}  // namespace
