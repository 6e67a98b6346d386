#include "page/Pan.h"

#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <array>

namespace {

// 11 columns over a plot 80..880 wide (80 units a column), values 0..30 over 24..552.
struct Pan : ::testing::Test {
    std::unique_ptr<CSorvDoc> doc = MakeTestDoc(3, 11, [](int r, int c) { return r * 10.0 + c; });
    CPlotSettings s;
    CPageLayout l;

    void SetUp() override
    {
        l.m_nPlotLeft = 80;
        l.m_nPlotRight = 880;
        l.m_nPlotBottom = 24;
        l.m_nPlotTop = 552;
        l.m_dVScale = 528 / 30.0;
        s.m_dVMax = 30.0;
    }
    // Columns 2..5 shown, placed by the region: 800 / 3 units a column.
    void ShowColumns2To5()
    {
        ASSERT_TRUE(doc->SetRegion(0, 0, 0, 0) && doc->SetRegion(2, 0, 5, 2));
        l.m_dHScale = 800 / 3.0;
        s.m_dHMin = 2.0;
        s.m_dHMax = 5.0;
    }
    std::array<int, 2> Columns() const { return {doc->m_nX1, doc->m_nX2}; }
};

}  // namespace

// Placed by the region, whole columns move, inside the matrix, the width kept;
// the H range in step. The data follow the mouse: a drag to the right shows
// earlier columns.
TEST_F(Pan, ByWholeColumnsInsideTheMatrix)
{
    const struct {
        int dx;
        std::array<int, 2> columns;
    } cases[] = {{-300, {3, 6}}, {300, {1, 4}}, {-100, {2, 5}}, {-5000, {7, 10}}, {5000, {0, 3}}};
    for (const auto& c : cases) {
        ShowColumns2To5();
        EXPECT_EQ(PanView2D(s, *doc, l, c.dx, 0), (c.columns != std::array<int, 2>{2, 5})) << c.dx;
        EXPECT_EQ(Columns(), c.columns) << c.dx;
        EXPECT_EQ(s.m_dHMin, c.columns[0]) << c.dx;
        EXPECT_EQ(s.m_dHMax, c.columns[1]) << c.dx;
        EXPECT_EQ(doc->m_nY2, 2);
    }
}

// Up moves the values: 88 units are 5.
TEST_F(Pan, ValuesFollowVertically)
{
    ShowColumns2To5();
    ASSERT_TRUE(PanView2D(s, *doc, l, 0, 88));
    EXPECT_DOUBLE_EQ(s.m_dVMin, -5.0);
    EXPECT_DOUBLE_EQ(s.m_dVMax, 25.0);
    EXPECT_EQ(Columns(), (std::array<int, 2>{2, 5}));
}

// Placed at x values, the H range moves by x and the region takes the
// columns around it, also beyond the region it had.
TEST_F(Pan, XValuesMoveTheRangeAndTheRegion)
{
    std::vector<double> x;
    for (int c = 0; c <= 10; ++c)
        x.push_back(c * 10.0);
    EditData(*doc).m_x = CXValues(XKind::Number, "", x);
    ASSERT_TRUE(doc->SetRegion(2, 0, 5, 2));
    l.m_nHPlacement = HPlacement::XValues;
    l.m_dHStart = 20.0;
    l.m_dHScale = 800 / 30.0;
    s.m_dHMin = 20.0;
    s.m_dHMax = 50.0;
    ASSERT_TRUE(PanView2D(s, *doc, l, -400, 0));
    EXPECT_DOUBLE_EQ(s.m_dHMin, 35.0);
    EXPECT_DOUBLE_EQ(s.m_dHMax, 65.0);
    EXPECT_EQ(Columns(), (std::array<int, 2>{3, 7}));
}
