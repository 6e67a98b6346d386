#include "page/MouseZoom.h"

#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>

namespace {

// A 2D layout in a 600 pixels high client area: plot 80..880 wide (11
// columns, 80 units each), 24..552 high.
struct Drag2D : ::testing::Test {
    std::unique_ptr<CSorvDoc> doc = MakeTestDoc(3, 11, [](int r, int c) { return r * 10.0 + c; });
    CPlotSettings s;
    CPageLayout l;
    int updates = 0;
    static constexpr int kClientHeight = 600;

    void SetUp() override
    {
        doc->m_fnUpdateAllViews = [this] { ++updates; };
        l = CPageLayout{};
        l.m_nPlotLeft = 80;
        l.m_nPlotRight = 880;
        l.m_nPlotBottom = 24;
        l.m_nPlotTop = 552;
        l.m_dHScale = 80.0;
        s.m_dHMin = 0.0;
        s.m_dHMax = 10.0;
        s.m_dVMin = 0.0;
        s.m_dVMax = 30.0;
        l.m_dVScale = (552 - 24) / 30.0;
        l.m_dVStart = 0.0;
    }
    // Client y of a page y.
    static int ClientY(int pageY) { return kClientHeight - 1 - pageY; }
    // The columns placed at x value x(c), H 0..100 over the plot (8 units a value).
    void PlaceAtX(double (*x)(int))
    {
        std::vector<double> values;
        for (int c = 0; c <= 10; ++c)
            values.push_back(x(c));
        EditData(*doc).m_x = CXValues(XKind::Number, "", values);
        l.m_nHPlacement = HPlacement::XValues;
        s.m_dHMax = 100.0;
        l.m_dHScale = 8.0;
    }
};

TEST_F(Drag2D, NarrowsColumnsAndRanges)
{
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {200, ClientY(100)}, {430, ClientY(300)}, kClientHeight));
    EXPECT_EQ(doc->m_nX1, 1);
    EXPECT_EQ(doc->m_nX2, 4);
    EXPECT_EQ(doc->m_nY1, 0);
    EXPECT_EQ(doc->m_nY2, 2);
    EXPECT_DOUBLE_EQ(s.m_dHMin, 10.0 * 0.1);
    EXPECT_DOUBLE_EQ(s.m_dHMax, 10.0 * 0.4);
    EXPECT_DOUBLE_EQ(s.m_dVMin, (100 - 24) / l.m_dVScale);
    EXPECT_DOUBLE_EQ(s.m_dVMax, (300 - 24) / l.m_dVScale);
    EXPECT_EQ(updates, 1);
}

TEST_F(Drag2D, RectangleBeyondThePlotIsClamped)
{
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {0, 0}, {999, 599}, kClientHeight));
    EXPECT_EQ(doc->m_nX1, 0);
    EXPECT_EQ(doc->m_nX2, 10);
    EXPECT_DOUBLE_EQ(s.m_dVMin, 0.0);
    EXPECT_NEAR(s.m_dVMax, 30.0, 1e-12);
}

TEST_F(Drag2D, MissesAndUnusableLayoutsChangeNothing)
{
    struct Case {
        const char* what;
        void (*prepare)(CPageLayout&, CSorvDoc&);
        CPoint start, end;
    };
    const Case cases[] = {
        {"left of the plot", [](CPageLayout&, CSorvDoc&) {}, {10, 100}, {60, 300}},
        {"above the plot", [](CPageLayout&, CSorvDoc&) {}, {200, 5}, {300, 20}},
        {"one column", [](CPageLayout&, CSorvDoc& d) { d.m_nX2 = d.m_nX1; }, {200, 100}, {400, 300}},
        {"infinite V scale", [](CPageLayout& p, CSorvDoc&) { p.m_dVScale = INFINITY; }, {200, 100}, {400, 300}},
        {"zero H scale", [](CPageLayout& p, CSorvDoc&) { p.m_dHScale = 0.0; }, {200, 100}, {400, 300}},
        {"NaN H scale", [](CPageLayout& p, CSorvDoc&) { p.m_dHScale = NAN; }, {200, 100}, {400, 300}},
        {"printed layout", [](CPageLayout& p, CSorvDoc&) { p.m_bPrinted = true; }, {200, 100}, {400, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        c.prepare(l, *doc);
        const CPlotSettings before = s;
        const int x2 = doc->m_nX2;
        EXPECT_FALSE(ZoomByDrag2D(s, *doc, l, c.start, c.end, kClientHeight));
        EXPECT_EQ(doc->m_nX2, x2);
        EXPECT_EQ(s.m_dVMin, before.m_dVMin);
        EXPECT_EQ(s.m_dHMax, before.m_dHMax);
        EXPECT_EQ(updates, 0);
    }
}

TEST_F(Drag2D, LogarithmicRangeFollowsTheAxis)
{
    // Axis 1..1000: three decades over the plot height.
    s.m_bVLog = true;
    s.m_dVMin = 1.0;
    s.m_dVMax = 1000.0;
    l.m_bVLog = true;
    l.m_dVStart = 0.0;  // log10 of the minimum
    l.m_dVScale = (552 - 24) / 3.0;
    // From the plot's lower edge to one decade up.
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {200, ClientY(0)}, {430, ClientY(24 + 176)}, kClientHeight));
    EXPECT_DOUBLE_EQ(s.m_dVMin, 1.0);
    EXPECT_NEAR(s.m_dVMax, 10.0, 1e-12);
}

// Wheel forward at x: four fifths of the column steps about the column under
// the cursor, which keeps its place; the H range narrows in step, V stays.
TEST_F(Drag2D, WheelNarrowsAboutTheColumnUnderTheCursor)
{
    struct Case {
        const char* what;
        int x1, x2;  // region before
        int x;       // client x
        int newX1, newX2;
    };
    // 80 units a column over the whole region 0..10.
    const Case cases[] = {
        {"middle", 0, 10, 80 + 5 * 80, 1, 9},
        {"left edge", 0, 10, 80, 0, 8},
        {"right edge", 0, 10, 880, 2, 10},
        {"beyond the plot", 0, 10, 2000, 2, 10},
        {"two steps to one", 4, 6, 80 + 2 * 400, 5, 6},
        {"one step to one column", 4, 5, 80, 4, 4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        SetUp();
        doc->SetRegion(0, 0, 0, 0);
        doc->SetRegion(c.x1, 0, c.x2, 2);
        l.m_dHScale = 800.0 / (c.x2 - c.x1);
        s.m_dHMin = c.x1;
        s.m_dHMax = c.x2;
        const double vMin = s.m_dVMin, vMax = s.m_dVMax;
        ASSERT_TRUE(ZoomByWheel2D(s, *doc, l, c.x));
        EXPECT_EQ(doc->m_nX1, c.newX1);
        EXPECT_EQ(doc->m_nX2, c.newX2);
        EXPECT_DOUBLE_EQ(s.m_dHMin, c.newX1);
        EXPECT_DOUBLE_EQ(s.m_dHMax, c.newX2);
        EXPECT_EQ(s.m_dVMin, vMin);
        EXPECT_EQ(s.m_dVMax, vMax);
    }
}

// The page shown may still be that of the region before the last step: the
// cursor's share of the plot places it (a fifth of the way: column 1.6 of 1..9).
TEST_F(Drag2D, WheelMapsThroughThePageOfAnOlderRegion)
{
    doc->SetRegion(1, 0, 9, 2);
    s.m_dHMin = 1.0;
    s.m_dHMax = 9.0;
    l.m_dHScale = 80.0;  // the page of columns 0..10
    ASSERT_TRUE(ZoomByWheel2D(s, *doc, l, 80 + 160));
    EXPECT_EQ(doc->m_nX1, 1);
    EXPECT_EQ(doc->m_nX2, 7);
}

TEST_F(Drag2D, WheelLeavesWhatItCannotNarrow)
{
    l.m_bPrinted = true;
    EXPECT_FALSE(ZoomByWheel2D(s, *doc, l, 300));
    l.m_bPrinted = false;
    l.m_dHScale = 0.0;
    EXPECT_FALSE(ZoomByWheel2D(s, *doc, l, 300));
    doc->SetRegion(3, 0, 3, 2);
    l.m_dHScale = INFINITY;
    EXPECT_FALSE(ZoomByWheel2D(s, *doc, l, 300));
    EXPECT_EQ(s.m_dHMax, 10.0);
    EXPECT_EQ(updates, 1);
    // Columns outside the region narrow nothing.
    EXPECT_FALSE(NarrowColumns(s, *doc, 0, 1));
}

TEST(Drag3D, MapsTheClientAreaAsATopView)
{
    auto doc = MakeTestDoc(11, 11, [](int r, int c) { return double(r + c); });
    CPageLayout l;
    l.m_d3DScale = 30.0;
    // Centre (5, 5) at client (200, 150): x 200..290 covers columns 5..8.
    ASSERT_TRUE(ZoomByDrag3D(*doc, l, {290, 210}, {200, 150}, 400, 300));
    EXPECT_EQ(doc->m_nX1, 5);
    EXPECT_EQ(doc->m_nX2, 8);
    EXPECT_EQ(doc->m_nY1, 5);
    EXPECT_EQ(doc->m_nY2, 7);
    l.m_d3DScale = 0.0;
    EXPECT_FALSE(ZoomByDrag3D(*doc, l, {0, 0}, {100, 100}, 400, 300));

    // A region at the far end of the int range: its centre is found without overflow.
    CSorvDoc far;
    far.m_nX1 = far.m_nX2 = far.m_nY1 = far.m_nY2 = INT_MAX - 1;
    l.m_d3DScale = 30.0;
    EXPECT_FALSE(ZoomByDrag3D(far, l, {0, 0}, {100, 100}, 400, 300));
}

// Four zeros would restore the whole matrix; a drag onto the cell (0, 0) narrows to it.
TEST_F(Drag2D, OntoTheFirstCellNarrowsInsteadOfRestoring)
{
    doc = MakeTestDoc(1, 11, [](int, int c) { return double(c); });
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {85, 100}, {150, 300}, 600));
    EXPECT_EQ(doc->m_nX1, 0);
    EXPECT_EQ(doc->m_nX2, 0);
    EXPECT_EQ(s.m_dHMax, 0.0);

    auto grid = MakeTestDoc(11, 11, [](int r, int c) { return double(r + c); });
    l.m_d3DScale = 30.0;
    // Centre (5, 5) at (200, 150): x 50..70 and y 5..25 lie over cell (0, 0).
    ASSERT_TRUE(ZoomByDrag3D(*grid, l, {50, 5}, {70, 25}, 400, 300));
    EXPECT_EQ(grid->m_nX1, 0);
    EXPECT_EQ(grid->m_nX2, 0);
    EXPECT_EQ(grid->m_nY1, 0);
    EXPECT_EQ(grid->m_nY2, 0);
}

TEST(ResetZoomTest, RestoresRangesOrZoomAndTheRegion)
{
    auto doc = MakeTestDoc(4, 6, [](int r, int c) { return double(r * c) - 3.0; });
    int updates = 0;
    doc->m_fnUpdateAllViews = [&] { ++updates; };
    ASSERT_TRUE(doc->SetRegion(1, 1, 3, 2));
    CPlotSettings s;
    s.m_dVMin = 5;
    s.m_dVMax = 6;
    s.m_dVStep = 0.25;
    s.m_dHMin = 2;
    s.m_dHMax = 3;
    s.m_dZoom = 2.0;
    ResetZoom(s, *doc);
    EXPECT_EQ(s.m_dVMin, -3.0);
    EXPECT_EQ(s.m_dVMax, 12.0);
    EXPECT_EQ(s.m_dHMin, 0.0);
    EXPECT_EQ(s.m_dHMax, 5.0);
    EXPECT_EQ(s.m_dVStep, 0.25);
    EXPECT_EQ(s.m_dZoom, 2.0);
    EXPECT_EQ(doc->m_nX2, 5);
    EXPECT_EQ(doc->m_nY2, 3);

    s.m_nGraphType = 3;
    ResetZoom(s, *doc);
    EXPECT_EQ(s.m_dZoom, 1.0);
    EXPECT_EQ(updates, 3);
}

}  // namespace

// Placed at x values that never fall (0, 10, ..., 100 over 80..880): a drag
// sets the H range to the rectangle's x and narrows the region to the columns
// in it and one more on either side; a double click shows all of them again.
TEST_F(Drag2D, XValuesZoomInX)
{
    PlaceAtX([](int c) { return c * 10.0; });
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {244, ClientY(100)}, {484, ClientY(300)}, kClientHeight));
    EXPECT_DOUBLE_EQ(s.m_dHMin, 20.5);
    EXPECT_DOUBLE_EQ(s.m_dHMax, 50.5);
    EXPECT_EQ(doc->m_nX1, 2);
    EXPECT_EQ(doc->m_nX2, 6);
    // The wheel narrows to four fifths about the x under the cursor.
    const CPageLayout narrowed = l;
    ASSERT_TRUE(ZoomByWheel2D(s, *doc, narrowed, 80));
    EXPECT_DOUBLE_EQ(s.m_dHMin, 20.5);
    EXPECT_DOUBLE_EQ(s.m_dHMax, 20.5 + 30 * 0.8);
    ResetZoom(s, *doc);
    EXPECT_EQ(doc->m_nX2, 10);
    EXPECT_DOUBLE_EQ(s.m_dHMin, 0.0);
    EXPECT_DOUBLE_EQ(s.m_dHMax, 100.0);
}

// x values that fall (pairs of measurements) keep the region: only the axes zoom.
TEST_F(Drag2D, FallingXValuesKeepTheRegion)
{
    PlaceAtX([](int c) { return (c * 37) % 11 * 10.0; });
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {244, ClientY(100)}, {484, ClientY(300)}, kClientHeight));
    EXPECT_DOUBLE_EQ(s.m_dHMin, 20.5);
    EXPECT_EQ(doc->m_nX1, 0);
    EXPECT_EQ(doc->m_nX2, 10);
}

// Ctrl+drag narrows x alone: the V range stays.
TEST_F(Drag2D, XOnlyKeepsTheValues)
{
    ASSERT_TRUE(ZoomByDrag2D(s, *doc, l, {200, ClientY(100)}, {430, ClientY(300)}, kClientHeight, true));
    EXPECT_EQ(doc->m_nX1, 1);
    EXPECT_EQ(doc->m_nX2, 4);
    EXPECT_EQ(s.m_dVMin, 0.0);
    EXPECT_EQ(s.m_dVMax, 30.0);
}
