#include "Chart3DFixture.h"
#include "chart3d/Cells3D.h"
#include "chart3d/Graph3D.h"
#include "chart3d/Projection3D.h"
#include "chart3d/Tables3D.h"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

namespace {

using Kind = CRecordingDC::OpKind;

std::vector<CRecordingDC::Op> DrawCells(const CSorvDoc& doc, const CPlotSettings& s, Kind kind = Kind::Poly)
{
    CRecordingDC dc;
    DrawOnPage(dc, doc, s);
    return OpsOf(dc, kind);
}

TEST(RampColor, EndPointsAndJoints)
{
    const struct {
        int k;
        COLORREF color;
    } cases[] = {
        {0, 0xFF0000},           {255, RGB(0, 255, 255)}, {256, RGB(0, 255, 255)}, {511, RGB(0, 255, 0)},
        {512, RGB(0, 255, 0)},   {767, RGB(255, 255, 0)}, {768, RGB(255, 255, 0)}, {1023, 0x0000FF},
        {-5, 0xFF0000},          {5000, 0x0000FF},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RampColor(c.k), c.color) << c.k;
}

TEST(Cells3D, ColourModelsPlaceTheMeanOnTheRamp)
{
    const struct {
        double value;
        int index;
    } cases[] = {{0.0, 0}, {50.0, 511}, {100.0, 1023}};
    for (const auto& c : cases) {
        const CSorvDoc doc = MakeDoc(2, 2, [&](int, int) { return c.value; });
        for (int model : {2, 3}) {
            CPlotSettings s = ExampleSettings();
            s.m_nModel = model;
            const auto polys = DrawCells(doc, s);
            ASSERT_EQ(polys.size(), 1u);
            const COLORREF outline = model == 2 ? RampColor(c.index) : s.m_crForeground;
            const COLORREF fill = model == 3 ? RampColor(c.index) : s.m_crView;
            EXPECT_EQ(polys[0].pen, (CPen{PS_SOLID, 0, outline})) << model << " " << c.value;
            EXPECT_EQ(polys[0].brush.color, fill) << model << " " << c.value;
        }
    }
}

// Flat data: every cell has the shade of -sin(m_dRotX).
TEST(Cells3D, ShadingOfFlatData)
{
    const struct {
        double rotX;
        int model;
        int cells;
        COLORREF color;
    } cases[] = {
        {337.5, 4, 4, RGB(97, 97, 97)}, {315, 4, 4, RGB(180, 180, 180)}, {300, 4, 4, RGB(220, 220, 220)},
        {270, 4, 4, RGB(255, 255, 255)}, {22.5, 4, 0, 0},                {337.5, 5, 4, RGB(0, 97, 255)},
    };
    const CSorvDoc doc = MakeDoc(3, 3, [](int, int) { return 5.0; });
    for (const auto& c : cases) {
        CPlotSettings s = ExampleSettings();
        s.m_dVMax = 10.0;
        s.m_dRotX = c.rotX;
        s.m_nModel = c.model;
        const auto polys = DrawCells(doc, s);
        ASSERT_EQ(int(polys.size()), c.cells) << c.rotX;
        for (const auto& op : polys) {
            EXPECT_EQ(op.pen, (CPen{PS_SOLID, 0, c.color})) << c.rotX;
            EXPECT_EQ(op.brush.color, c.color) << c.rotX;
        }
    }
}

TEST(Cells3D, WireFrameAndSurfaceCorners)
{
    // Values 50 everywhere: the cell corners are the mapped points of the example.
    const CSorvDoc doc = MakeDoc(11, 11, [](int, int) { return 50.0; });
    CPlotSettings s = ExampleSettings();
    s.m_nModel = 0;
    const auto lines = DrawCells(doc, s, Kind::Polyline);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_TRUE(DrawCells(doc, s).empty());
    // The first cell: A (0,0), B (1,0), C (1,1), D (0,1), closed on A.
    const auto& first = lines.front().points;
    ASSERT_EQ(first.size(), 5u);
    EXPECT_EQ(first[0], (CPoint{-12, 150}));
    EXPECT_EQ(first[4], first[0]);
    EXPECT_EQ(lines.front().pen, (CPen{PS_SOLID, 0, s.m_crForeground}));
    // The last cell reaches the corner (column 10, row 10).
    EXPECT_EQ(lines.back().points[2], (CPoint{412, 150}));

    s.m_nModel = 1;
    const auto polys = DrawCells(doc, s);
    ASSERT_EQ(polys.size(), 100u);
    EXPECT_EQ(polys[0].points, std::vector<CPoint>(first.begin(), first.begin() + 4));
    EXPECT_EQ(polys[0].brush.color, s.m_crView);
}

TEST(Cells3D, CellsOutsideTheRangeLeaveHoles)
{
    // 4 x 3 grid, 6 cells; one corner above the range, one NaN.
    CSorvDoc doc = MakeDoc(4, 3, [](int c, int r) { return 10.0 * (c + r); });
    doc->m_pData[0 * 4 + 3] = 101.0;  // corner of cell (row 0, column 2)
    doc->m_pData[2 * 4 + 0] = NAN;    // corner of cell (row 1, column 0)
    for (int model = 0; model <= 5; ++model) {
        CPlotSettings s = ExampleSettings();
        s.m_nModel = model;
        s.m_dRotX = 270;  // seen from above, so the shading models draw every cell
        CRecordingDC dc;
        DrawOnPage(dc, doc, s);
        const auto cells = OpsOf(dc, model == 0 ? Kind::Polyline : Kind::Poly);
        EXPECT_EQ(cells.size(), 4u) << model;
    }
}

TEST(Cells3D, ModelsOutsideTheSixDrawNoCells)
{
    const CSorvDoc doc = MakeDoc(5, 5, [](int c, int) { return c * 20.0; });
    for (int model : {-1, 6, 1000}) {
        CPlotSettings s = ExampleSettings();
        s.m_nModel = model;
        CRecordingDC dc;
        DrawOnPage(dc, doc, s);
        EXPECT_TRUE(OpsOf(dc, Kind::Poly).empty()) << model;
        EXPECT_TRUE(OpsOf(dc, Kind::Polyline).empty()) << model;
        EXPECT_EQ(OpsOf(dc, Kind::Line).size(), 16u) << model;
    }
}

// Degenerate inputs draw page, title and (unless inverted) the box, never a
// cell, and never read past the region.
TEST(Cells3D, DegenerateInputsDrawNoCells)
{
    struct Case {
        const char* name;
        int x1, y1, x2, y2;
        double vmin, vmax;
        int boxLines;
    };
    const Case cases[] = {
        {"empty value range", 0, 0, 4, 4, 3.0, 3.0, 16},
        {"one column", 2, 0, 2, 4, 0.0, 100.0, 16},
        {"one row", 0, 3, 4, 3, 0.0, 100.0, 16},
        {"one cell", 1, 1, 1, 1, 0.0, 100.0, 16},
        {"inverted", 4, 4, 1, 1, 0.0, 100.0, 0},
        {"inverted rows", 0, 4, 4, 1, 0.0, 100.0, 0},
        {"region past the matrix", 0, 0, 7, 7, 0.0, 100.0, 16},
    };
    for (const Case& c : cases) {
        CSorvDoc doc = MakeDoc(5, 5, [](int, int) { return 3.0; });
        doc.m_nX1 = c.x1;
        doc.m_nY1 = c.y1;
        doc.m_nX2 = c.x2;
        doc.m_nY2 = c.y2;
        for (int model = 0; model <= 5; ++model) {
            CPlotSettings s = ExampleSettings();
            s.m_dVMin = c.vmin;
            s.m_dVMax = c.vmax;
            s.m_nModel = model;
            s.m_strTitle = "t";
            CRecordingDC dc;
            const CPageLayout page = DrawOnPage(dc, doc, s);
            EXPECT_TRUE(std::isfinite(page.m_d3DScale)) << c.name;
            EXPECT_TRUE(OpsOf(dc, Kind::Poly).empty()) << c.name;
            EXPECT_TRUE(OpsOf(dc, Kind::Polyline).empty()) << c.name;
            EXPECT_EQ(OpsOf(dc, Kind::Rect).size(), 1u) << c.name;
            EXPECT_EQ(OpsOf(dc, Kind::Text).size(), c.boxLines ? 10u : 1u) << c.name;
            EXPECT_EQ(OpsOf(dc, Kind::Line).size(), std::size_t(c.boxLines)) << c.name;
        }
    }
}

TEST(Cells3D, EmptyDocumentDrawsPageAndTitleOnly)
{
    const CSorvDoc doc;
    CPlotSettings s = ExampleSettings();
    s.m_strTitle = "empty";
    CRecordingDC dc;
    DrawOnPage(dc, doc, s);
    ASSERT_EQ(dc.Ops().size(), 2u);
    EXPECT_EQ(dc.Ops()[0].kind, Kind::Rect);
    EXPECT_EQ(dc.Ops()[1].kind, Kind::Text);
}

TEST(Cells3D, RampIndexStaysInTheTable)
{
    struct Case {
        double vmin, vmax, value;
        COLORREF fill;
    };
    const Case cases[] = {
        {1e10, 1e10 + 1e-5, 1e10 + 1e-5, RampColor(1023)},
        {1e10, 1e10 + 1e-5, 1e10, RampColor(0)},
        {0.0, 1e308, 1e308, RampColor(1023)},  // the sum of four corners overflows
    };
    for (const Case& c : cases) {
        const CSorvDoc doc = MakeDoc(2, 2, [&](int, int) { return c.value; });
        CPlotSettings s = ExampleSettings();
        s.m_dVMin = c.vmin;
        s.m_dVMax = c.vmax;
        s.m_nModel = 3;
        const auto polys = DrawCells(doc, s);
        ASSERT_EQ(polys.size(), 1u) << c.value;
        EXPECT_EQ(polys[0].brush.color, c.fill) << c.value;
    }
}

TEST(Cells3D, CornersBeyondIntRangeAreSkipped)
{
    const CSorvDoc doc = MakeDoc(3, 3, [](int c, int r) { return double(c * r); });
    for (double zoom : {1e12, 1e300, double(INFINITY)}) {
        for (int model = 0; model <= 5; ++model) {
            CPlotSettings s = ExampleSettings();
            s.m_dVMax = 4.0;
            s.m_dZoom = zoom;
            s.m_nModel = model;
            CRecordingDC dc;
            DrawOnPage(dc, doc, s);
            EXPECT_TRUE(OpsOf(dc, Kind::Poly).empty()) << zoom;
            EXPECT_TRUE(OpsOf(dc, Kind::Polyline).empty()) << zoom;
            // Only the box line through the centre could fit; none does here.
            EXPECT_TRUE(OpsOf(dc, Kind::Line).empty()) << zoom;
        }
    }
}

}  // namespace

// The grid points mapped a few columns at a time draw exactly what whole rows
// draw, in every model, over a region inside the matrix with holes in it.
TEST(Cells3D, BlocksOfColumnsDrawAsWholeRows)
{
    CSorvDoc doc = MakeDoc(11, 7, [](int c, int r) {
        if (c == 4 && r == 2)
            return std::nan("");
        return c == 7 && r == 5 ? 250.0 : (c * 13 + r * 29) % 100 * 1.0;
    });
    doc.m_nX1 = 1;
    doc.m_nY1 = 1;
    doc.m_nX2 = 10;
    doc.m_nY2 = 6;
    for (int model = 0; model <= 5; ++model) {
        CPlotSettings s = ExampleSettings();
        s.m_nModel = model;
        s.m_dRotX = 300.0;
        C3DProjection proj;
        proj.Init(s, doc, kPageWidth, kPageHeight);
        C3DTables tables;
        tables.Build(model);
        const auto draw = [&](int block) {
            CRecordingDC dc;
            dc.SetPageSize(kPageWidth, kPageHeight);
            Draw3DCells(dc, doc, s, proj, tables, block);
            std::ostringstream ops;
            dc.WriteOps(ops);
            return ops.str();
        };
        const std::string rows = draw(kCornerBlock);
        EXPECT_NE(rows.find("poly"), std::string::npos) << model;
        for (int block : {2, 3, 4, 9, 10})
            EXPECT_EQ(draw(block), rows) << "model " << model << " block " << block;
    }
}

// A draft takes every k-th row and column (k = 4 here: 0.49 page units a
// step) and the last ones, its cells spanning k steps of the exact grid;
// all else on the page is drawn as in the exact chart.
TEST(Cells3D, DraftDrawsFromEveryKthRowAndColumn)
{
    const CSorvDoc doc = MakeDoc(123, 81, [](int c, int r) { return 50.0 + 40.0 * std::sin(c * 0.1) * std::cos(r * 0.07); });
    CPlotSettings s = ExampleSettings();
    s.m_nModel = 1;
    CRecordingDC exact;
    DrawOnPage(exact, doc, s, 60, 40);
    CRecordingDC draft;
    draft.m_bDraft = true;
    DrawOnPage(draft, doc, s, 60, 40);

    // The grid lines: columns 0, 4, ..., 120 and 122; rows 0, 4, ..., 80.
    std::vector<int> cols, rows;
    for (int c = 0; c < 122; c += 4)
        cols.push_back(c);
    cols.push_back(122);
    for (int r = 0; r <= 80; r += 4)
        rows.push_back(r);
    // The exact cell (i, j) starts at grid point (i, j) and reaches (i + 1, j + 1).
    const auto exactPolys = OpsOf(exact, Kind::Poly);
    ASSERT_EQ(exactPolys.size(), 122u * 80u);
    auto exactCell = [&](int i, int j) { return exactPolys[std::size_t(j) * 122 + std::size_t(i)].points; };
    const auto draftPolys = OpsOf(draft, Kind::Poly);
    ASSERT_EQ(draftPolys.size(), (cols.size() - 1) * (rows.size() - 1));
    std::size_t n = 0;
    for (std::size_t r = 0; r + 1 < rows.size(); ++r) {
        for (std::size_t c = 0; c + 1 < cols.size(); ++c, ++n) {
            const auto& p = draftPolys[n].points;
            EXPECT_EQ(p[0], exactCell(cols[c], rows[r])[0]) << r << " " << c;
            EXPECT_EQ(p[1], exactCell(cols[c + 1] - 1, rows[r])[1]) << r << " " << c;
            EXPECT_EQ(p[2], exactCell(cols[c + 1] - 1, rows[r + 1] - 1)[2]) << r << " " << c;
            EXPECT_EQ(p[3], exactCell(cols[c], rows[r + 1] - 1)[3]) << r << " " << c;
        }
    }
    // Page area, title and box are those of the exact chart.
    auto withoutCells = [](const CRecordingDC& dc) {
        std::vector<CRecordingDC::Op> rest;
        for (const auto& op : dc.Ops())
            if (op.kind != Kind::Poly)
                rest.push_back(op);
        return rest;
    };
    const auto exactRest = withoutCells(exact);
    const auto draftRest = withoutCells(draft);
    ASSERT_EQ(draftRest.size(), exactRest.size());
    for (std::size_t k = 0; k < exactRest.size(); ++k)
        EXPECT_EQ(draftRest[k].points, exactRest[k].points) << k;
}

// Cells of two page units or more are drawn as they are, also in a draft.
TEST(Cells3D, DraftOfCoarseGridIsTheExactChart)
{
    const CSorvDoc doc = MakeDoc(11, 11, [](int c, int r) { return 10.0 * (c % 3) + r; });
    for (int model = 0; model <= 5; ++model) {
        CPlotSettings s = ExampleSettings();
        s.m_nModel = model;
        CRecordingDC exact;
        DrawOnPage(exact, doc, s, 25, 20);  // 2 page units a step
        CRecordingDC draft;
        draft.m_bDraft = true;
        DrawOnPage(draft, doc, s, 25, 20);
        ASSERT_EQ(draft.Ops().size(), exact.Ops().size()) << model;
        for (std::size_t k = 0; k < exact.Ops().size(); ++k)
            EXPECT_EQ(draft.Ops()[k].points, exact.Ops()[k].points) << model << " " << k;
    }
}
