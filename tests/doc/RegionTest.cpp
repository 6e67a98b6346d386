#include "doc/SorvDoc.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <array>

namespace {

using Region = std::array<int, 4>;

Region RegionOf(const CSorvDoc& doc)
{
    return {doc.m_nX1, doc.m_nY1, doc.m_nX2, doc.m_nY2};
}

// 10 columns, 20 rows; counts the redraw requests.
class SetRegion : public testing::Test {
protected:
    CSorvDoc doc;
    int updates = 0;

    void SetUp() override
    {
        doc.Adopt(MakeTestData(20, 10, [](int row, int col) { return row * 10.0 + col; }));
        doc.m_fnUpdateAllViews = [this] { ++updates; };
    }
};

TEST_F(SetRegion, NarrowsAndResets)
{
    struct {
        Region entry;
        Region expected;
    } steps[] = {
        {{2, 3, 50, 5}, {2, 3, 9, 5}},
        {{0, 0, 4, 100}, {2, 3, 4, 5}},     // smaller lower bounds keep the current ones
        {{0, 0, 0, 0}, {0, 0, 9, 19}},      // four zeros: the whole matrix
        {{0, 0, 0, 1}, {0, 0, 0, 1}},       // an intersection, not a reset
        {{0, 0, 0, 0}, {0, 0, 9, 19}},
    };
    int expectedUpdates = 0;
    for (const auto& step : steps) {
        EXPECT_TRUE(doc.SetRegion(step.entry[0], step.entry[1], step.entry[2], step.entry[3]));
        EXPECT_EQ(RegionOf(doc), step.expected);
        EXPECT_EQ(updates, ++expectedUpdates);
    }
}

TEST_F(SetRegion, RefusesAnEmptyResult)
{
    ASSERT_TRUE(doc.SetRegion(2, 3, 4, 5));
    updates = 0;
    const Region refused[] = {
        {5, 0, 3, 19},   // inverted columns
        {0, 9, 9, 2},    // inverted rows
        {6, 0, 9, 19},   // no overlap with columns 2..4
        {0, 6, 9, 19},   // no overlap with rows 3..5
    };
    for (const Region& entry : refused) {
        EXPECT_FALSE(doc.SetRegion(entry[0], entry[1], entry[2], entry[3]));
        EXPECT_EQ(RegionOf(doc), (Region {2, 3, 4, 5}));
    }
    EXPECT_EQ(updates, 0);
}

TEST(SetRegionOnEmptyDocument, ChangesNothing)
{
    CSorvDoc doc;
    int updates = 0;
    doc.m_fnUpdateAllViews = [&] { ++updates; };
    EXPECT_FALSE(doc.SetRegion(0, 0, 0, 0));
    EXPECT_FALSE(doc.SetRegion(0, 0, 5, 5));
    EXPECT_EQ(RegionOf(doc), (Region {0, 0, -1, -1}));
    EXPECT_EQ(updates, 0);
}

} // namespace
