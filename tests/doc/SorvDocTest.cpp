#include "doc/SorvDoc.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <vector>

namespace {

using Region = std::array<int, 4>;

Region RegionOf(const CDocSnapshot& doc)
{
    return {doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2};
}

std::shared_ptr<CDocData> Data(int rows, int cols)
{
    return MakeTestData(rows, cols, [](int r, int c) { return r * 10.0 + c; });
}

// New data of the same file keeps the title; the region follows it: the whole
// matrix stays whole, columns at the end move with it, rows at the end take
// the new rows, any other region stays while it fits. The views are not told.
TEST(Publish, KeepsTheTitleAndARegionThatFollowsTheData)
{
    struct Case {
        int rows, cols;
        Region region;
        Region expected;
    } const cases[] = {
        {3, 4, {0, 0, 2, 1}, {0, 0, 3, 2}},   // whole: whole
        {3, 4, {1, 0, 2, 1}, {2, 0, 3, 2}},   // at the end: moved, rows taken
        {2, 5, {0, 0, 1, 0}, {0, 0, 1, 0}},   // elsewhere: kept
        {2, 2, {1, 0, 1, 1}, {1, 0, 1, 1}},   // shrunk, still fits
        {2, 2, {2, 0, 2, 1}, {1, 0, 1, 1}},   // at the end of fewer
        {4, 1, {1, 0, 1, 1}, {0, 0, 0, 3}},   // shrunk past it: whole
        {3, 3, {0, 1, 2, 1}, {0, 1, 2, 2}},
    };
    for (const Case& c : cases) {
        CSorvDoc doc;
        doc.Adopt(Data(2, 3));
        doc.SetTitle("data.csv");
        int updates = 0;
        doc.m_fnUpdateAllViews = [&] { ++updates; };
        doc.m_nX1 = c.region[0];
        doc.m_nY1 = c.region[1];
        doc.m_nX2 = c.region[2];
        doc.m_nY2 = c.region[3];
        doc.Publish(Data(c.rows, c.cols));
        EXPECT_EQ(doc.GetTitle(), "data.csv");
        EXPECT_EQ(updates, 0);
        EXPECT_EQ(RegionOf(doc), c.expected) << c.rows << "x" << c.cols;
    }
}

// A drawing's snapshot keeps the data and region it began with while the
// document takes others.
TEST(Snapshot, KeepsItsDataAndRegion)
{
    CSorvDoc doc;
    doc.Adopt(Data(3, 4));
    ASSERT_TRUE(doc.SetRegion(1, 1, 2, 2));
    const CDocSnapshot drawing = doc.Snapshot();
    doc.Publish(Data(5, 6));
    ASSERT_TRUE(doc.SetRegion(0, 0, 0, 0));
    EXPECT_EQ(RegionOf(drawing), (Region{1, 1, 2, 2}));
    EXPECT_EQ(drawing->m_nRows, 3);
    EXPECT_EQ(drawing->Value(2, 3), 23.0);
    EXPECT_EQ(RegionOf(doc), (Region{0, 0, 5, 4}));
    EXPECT_EQ(doc->m_nRows, 5);
}

// A row becomes x: the rest of the matrix stays, the range is taken again.
TEST(TakeRowAsX, LeavesTheMatrixAndTakesTheRangeAgain)
{
    const double rows[3][4] = {{5, 6, 7, 8}, {2001, 2002, 2004, 2008}, {9, 10, 11, -12}};
    auto data = MakeTestData(3, 4, [&](int r, int c) { return rows[r][c]; });
    data->m_pLabels[1] = "year";
    ASSERT_TRUE(data->TakeRowAsX(1));
    EXPECT_EQ(data->m_nRows, 2);
    EXPECT_EQ(data->m_pLabels[1], "r2");
    EXPECT_EQ(data->Value(1, 3), -12);
    EXPECT_EQ(data->m_x.Values(), std::vector<double>({2001, 2002, 2004, 2008}));
    EXPECT_EQ(data->m_x.Name(), "year");
    EXPECT_EQ(data->m_dMin, -12);
    EXPECT_EQ(data->m_dMax, 11);
    // Refused, nothing changed: a row that is not there, the only row, one without a number.
    EXPECT_FALSE(data->TakeRowAsX(2));
    EXPECT_FALSE(data->TakeRowAsX(-1));
    ASSERT_TRUE(data->TakeRowAsX(0));
    EXPECT_FALSE(data->TakeRowAsX(0));
    auto gaps = MakeTestData(3, 2, [](int r, int c) { return r == 0 ? NAN : r + c; });
    EXPECT_FALSE(gaps->TakeRowAsX(0));
    EXPECT_EQ(gaps->m_nRows, 3);
    EXPECT_FALSE(CDocData().TakeRowAsX(0));
}

}  // namespace
