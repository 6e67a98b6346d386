#include "Chart3DFixture.h"
#include "chart3d/Projection3D.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

CSorvDoc ExampleDoc()
{
    return MakeDoc(11, 11, [](int, int) { return 50.0; });
}

C3DProjection ExampleProjection(const CPlotSettings& s)
{
    C3DProjection proj;
    proj.Init(s, ExampleDoc(), kPageWidth, kPageHeight);
    return proj;
}

CPoint PageOf(const C3DProjection& proj, double col, double row, double value)
{
    const C3DPoint p = proj.ToView(col, row, value);
    const auto pt = proj.ToPage(p.X, p.Y);
    EXPECT_TRUE(pt.has_value());
    return pt.value_or(CPoint{INT_MIN, INT_MIN});
}

TEST(Projection3D, DefaultRotationRows)
{
    CPlotSettings s = ExampleSettings();
    const C3DProjection proj = ExampleProjection(s);
    const double expected[3][3] = {{0.70711, -0.70711, 0.0}, {0.27060, 0.27060, 0.92388}, {0.65328, 0.65328, -0.38268}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c)
            EXPECT_NEAR(proj.m_dRot[r][c], expected[r][c], 5e-6) << r << "," << c;
}

TEST(Projection3D, ExampleRegionScalesAndCentre)
{
    CPlotSettings s = ExampleSettings();
    const C3DProjection proj = ExampleProjection(s);
    EXPECT_EQ(proj.m_dScale, 30.0);
    CRecordingDC dc;
    EXPECT_EQ(DrawOnPage(dc, ExampleDoc(), s).m_d3DScale, 30.0);
    EXPECT_DOUBLE_EQ(proj.m_dValueScale, 0.01);
    EXPECT_EQ(proj.m_dCenterCol, 5.0);
    EXPECT_EQ(proj.m_dCenterRow, 5.0);
    EXPECT_EQ(proj.m_dCenterValue, 50.0);
    EXPECT_EQ(proj.m_nOriginX, 200);
    EXPECT_EQ(proj.m_nOriginY, 150);
}

struct MappedCase {
    double rotX, rotY, rotZ;
    double col, row, value;
    CPoint page;
};

TEST(Projection3D, MappedPoints)
{
    const MappedCase cases[] = {
        {337.5, 315, 0, 10, 0, 50, {200, 231}},
        {337.5, 315, 0, 0, 10, 50, {200, 69}},
        {337.5, 315, 0, 0, 0, 50, {-12, 150}},
        {337.5, 315, 0, 5, 5, 100, {200, 163}},
        {0, 0, 0, 10, 0, 50, {350, 150}},
        {270, 0, 0, 5, 0, 50, {200, 300}},  // top view: first row at the top
        {270, 0, 0, 5, 10, 50, {200, 0}},
    };
    for (const MappedCase& c : cases) {
        CPlotSettings s = ExampleSettings();
        s.m_dRotX = c.rotX;
        s.m_dRotY = c.rotY;
        s.m_dRotZ = c.rotZ;
        const C3DProjection proj = ExampleProjection(s);
        EXPECT_EQ(PageOf(proj, c.col, c.row, c.value), c.page) << c.rotX << " " << c.col << " " << c.row;
    }
}

TEST(Projection3D, FrontViewDepthAndTurnAboutZ)
{
    CPlotSettings s = ExampleSettings();
    s.m_dRotX = 0;
    s.m_dRotY = 0;
    s.m_dRotZ = 0;
    EXPECT_NEAR(ExampleProjection(s).ToView(10, 0, 50).Z, 5.0, 1e-12);

    s.m_dRotZ = 90;
    const C3DProjection proj = ExampleProjection(s);
    const C3DPoint p = proj.ToView(8, 2, 80);
    EXPECT_NEAR(p.X, -proj.ModelV(80), 1e-12);
    EXPECT_NEAR(p.Y, proj.ModelX(8), 1e-12);
}

TEST(Projection3D, CentreRowAddsUnscaledFirstRow)
{
    CSorvDoc doc = MakeDoc(3, 10, [](int, int) { return 0.0; });
    doc.m_nY1 = 4;
    doc.m_nY2 = 8;
    CPlotSettings s = ExampleSettings();
    s.m_dScaleY = 2.0;
    C3DProjection proj;
    proj.Init(s, doc, kPageWidth, kPageHeight);
    EXPECT_EQ(proj.m_dCenterRow, 8.0);
    EXPECT_EQ(proj.ModelY(4), 0.0);
    EXPECT_EQ(proj.ModelY(8), -8.0);
}

TEST(Projection3D, ToPageTruncatesTowardZeroAndRefusesWhatDoesNotFit)
{
    C3DProjection proj;
    proj.m_dScale = 1.0;
    proj.m_nOriginX = 200;
    proj.m_nOriginY = 150;
    EXPECT_EQ(proj.ToPage(-81.2, 81.7), (CPoint{119, 231}));
    EXPECT_FALSE(proj.ToPage(NAN, 0.0));
    EXPECT_FALSE(proj.ToPage(0.0, INFINITY));
    EXPECT_FALSE(proj.ToPage(3e9, 0.0));
    EXPECT_FALSE(proj.ToPage(2147483600.0, 0.0));  // fits, but not after the origin is added
    EXPECT_EQ(proj.ToPage(-2147483600.0, 0.0), (CPoint{-2147483400, 150}));
}

struct RegionCase {
    const char* name;
    int x1, y1, x2, y2;
    double scale;
};

// Degenerate regions keep the fit scale finite and positive.
TEST(Projection3D, FitScaleOfDegenerateRegions)
{
    const RegionCase cases[] = {
        {"one column", 4, 0, 4, 10, 30.0},   // only H / 10 remains
        {"one row", 0, 3, 8, 3, 50.0},       // only W / 8 remains
        {"one cell", 2, 2, 2, 2, 300.0},     // the page counts as one step
        {"inverted", 5, 5, 1, 1, 300.0},
        {"empty document", 0, 0, -1, -1, 300.0},
    };
    for (const RegionCase& c : cases) {
        CSorvDoc doc = MakeDoc(11, 11, [](int, int) { return 1.0; });
        doc.m_nX1 = c.x1;
        doc.m_nY1 = c.y1;
        doc.m_nX2 = c.x2;
        doc.m_nY2 = c.y2;
        CPlotSettings s = ExampleSettings();
        s.m_dVMax = s.m_dVMin;  // an empty value range as well
        C3DProjection proj;
        proj.Init(s, doc, kPageWidth, kPageHeight);
        EXPECT_EQ(proj.m_dScale, c.scale) << c.name;
        CRecordingDC dc;
        EXPECT_EQ(DrawOnPage(dc, doc, s).m_d3DScale, c.scale) << c.name;
        EXPECT_EQ(proj.m_dValueScale, 0.0) << c.name;
        EXPECT_TRUE(std::isfinite(proj.m_dCenterCol) && std::isfinite(proj.m_dCenterRow)) << c.name;
    }
}

}  // namespace
