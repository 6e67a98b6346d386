// The mapping between axis values and page units, both ways.

#include "chart2d/ScaleMap.h"
#include "settings/PageLayout.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace {

const double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

TEST(ScaleMap, FitsTheRangeOverThePage)
{
    struct Case {
        const char* what;
        double min, max;
        bool log;
        double start, scale;
    };
    const Case cases[] = {
        {"linear", 10, 40, false, 10, 528 / 30.0},
        {"inverted", 40, 10, false, 40, -528 / 30.0},
        {"empty", 5, 5, false, 5, kInf},
        {"decades", 1, 1000, true, 0, 176},
        {"floored at 1e-6", -3, 100, true, -6, 66},
        {"both ends floored", 0, 1e-7, true, -6, kInf},
    };
    for (const Case& c : cases) {
        const CScaleMap map = CScaleMap::Fit(24, 552, c.min, c.max, c.log);
        EXPECT_DOUBLE_EQ(map.Start(), c.start) << c.what;
        EXPECT_DOUBLE_EQ(map.Scale(), c.scale) << c.what;
        EXPECT_EQ(map.IsLog(), c.log) << c.what;
    }
}

// Positions truncate toward zero from the origin; what has no position is left out.
TEST(ScaleMap, PagePositions)
{
    const CScaleMap linear(100, 10.0, 2.5, false);
    const CScaleMap log(24, -6.0, 66.0, true);
    struct Case {
        const CScaleMap& map;
        double value;
        std::optional<int> page;
    };
    const Case cases[] = {
        {linear, 10, 100},   {linear, 11.3, 103},  {linear, 9.3, 99},       {linear, -1e300, std::nullopt},
        {linear, kNaN, std::nullopt}, {linear, kInf, std::nullopt}, {linear, 8.6e8, std::nullopt},
        {log, 1, 24 + 396},  {log, 100, 24 + 528}, {log, 1e-6, 24},         {log, 0, std::nullopt},
        {log, -5, std::nullopt},
    };
    for (const Case& c : cases)
        EXPECT_EQ(c.map.ToPage(c.value), c.page) << c.value;
    EXPECT_EQ(log.PageOfPosition(1.0), 24 + 462);
}

// A page position read back gives the value drawn there; a logarithmic axis
// counts from its floored start.
TEST(ScaleMap, ValuesBackFromThePage)
{
    const CScaleMap linear = CScaleMap::Fit(24, 552, 0, 30, false);
    EXPECT_DOUBLE_EQ(linear.ToValue(24), 0.0);
    EXPECT_DOUBLE_EQ(linear.ToValue(552), 30.0);
    EXPECT_DOUBLE_EQ(linear.ToValue(200), 176 / (528 / 30.0));
    EXPECT_DOUBLE_EQ(linear.Offset(200), 176 / (528 / 30.0));

    const CScaleMap log = CScaleMap::Fit(24, 552, 0, 0.001, true);
    EXPECT_DOUBLE_EQ(log.ToValue(24), 1e-6);
    EXPECT_NEAR(log.ToValue(24 + 176) / 1e-5, 1.0, 1e-12);
    EXPECT_NEAR(log.ToValue(552) / 1e-3, 1.0, 1e-12);
}

TEST(ScaleMap, MapsOfALaidOutPage)
{
    CPageLayout layout;
    layout.m_nPlotLeft = 80;
    layout.m_nPlotBottom = 24;
    layout.m_dHScale = 70.0;
    layout.m_dVScale = 176.0;
    layout.m_dVStart = -1.0;
    layout.m_bVLog = true;
    EXPECT_EQ(CScaleMap::Horizontal(layout).ToPage(3), 80 + 210);
    EXPECT_FALSE(CScaleMap::Horizontal(layout).IsLog());
    EXPECT_EQ(CScaleMap::Values(layout).ToPage(10.0), 24 + 352);
}

}  // namespace
