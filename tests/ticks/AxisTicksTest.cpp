// Rounded ticks and their labels on linear, logarithmic and time axes.

#include "doc/DateTime.h"
#include "ticks/AxisTicks.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>
#include <limits>
#include <set>
#include <string>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();
constexpr double kDay = 86400;

// The labels joined by blanks, "." for a grid line without one.
std::string Labels(const TickSet& set)
{
    std::string text;
    for (const AxisTick& t : set.ticks)
        text += (text.empty() ? "" : " ") + (t.label.empty() ? std::string(".") : t.label);
    return text;
}

bool ReadsMinusZero(const std::string& label)
{
    const std::string mantissa = label.substr(0, label.find('e'));
    return mantissa[0] == '-' && mantissa.find_first_of("123456789") == std::string::npos;
}

// What every axis must be: ticks inside [min, max] and increasing, no -0,
// labels distinct, fewest..most of them labelled.
void ExpectSound(const TickSet& set, double min, double max, int fewest, int most = 10)
{
    std::set<std::string> seen;
    int labelled = 0;
    for (std::size_t i = 0; i < set.ticks.size(); ++i) {
        const AxisTick& t = set.ticks[i];
        EXPECT_TRUE(t.value >= min && t.value <= max) << t.value;
        EXPECT_TRUE(i == 0 || set.ticks[i - 1].value < t.value) << t.value;
        EXPECT_FALSE(t.value == 0 && std::signbit(t.value));
        if (t.label.empty())
            continue;
        ++labelled;
        EXPECT_TRUE(seen.insert(t.label).second) << "twice: " << t.label;
        EXPECT_FALSE(ReadsMinusZero(t.label)) << t.label;
    }
    EXPECT_GE(labelled, fewest) << Labels(set);
    EXPECT_LE(labelled, most) << Labels(set);
}

// Equal steps of 1, 2, 2.5 or 5 times a power of ten; a tick near zero is +0.
void ExpectRoundSteps(const TickSet& set, double min, double max)
{
    ASSERT_GE(set.ticks.size(), 2u);
    const double step = set.ticks[1].value - set.ticks[0].value;
    const double mantissa = step / std::pow(10.0, std::floor(std::log10(step) + 1e-9));
    EXPECT_TRUE(std::abs(mantissa - 1) < 1e-6 || std::abs(mantissa - 2) < 1e-6 || std::abs(mantissa - 2.5) < 1e-6 ||
                std::abs(mantissa - 5) < 1e-6)
        << step;
    const double rounding = 4 * DBL_EPSILON * std::max(std::abs(min), std::abs(max));
    for (std::size_t i = 1; i < set.ticks.size(); ++i) {
        const double v = set.ticks[i].value;
        EXPECT_NEAR(v - set.ticks[i - 1].value, step, step * 1e-9 + rounding) << v;
        EXPECT_TRUE(std::abs(v) >= step / 2 || (v == 0 && !std::signbit(v))) << v;
    }
}

double Time(const char* text)
{
    return ParseDateTime(text)->seconds;
}

// Ticks on the calendar: multiples of a step below a day, Mondays for weeks,
// midnights for days, month starts a whole number of steps from January of year 0.
void ExpectCalendarAligned(const TickSet& set)
{
    if (set.ticks.size() < 2)
        return;
    const double gap = set.ticks[1].value - set.ticks[0].value;
    const CivilTime first = *CivilFromSeconds(set.ticks[0].value), second = *CivilFromSeconds(set.ticks[1].value);
    const int months = (second.year - first.year) * 12 + second.month - first.month;
    for (const AxisTick& t : set.ticks) {
        const CivilTime c = *CivilFromSeconds(t.value);
        const long long days = DaysFromCivil(c.year, c.month, c.day);
        const double unit = gap < 1 ? 1 / std::round(1 / gap) : std::min(gap, kDay);
        EXPECT_NEAR(std::remainder(t.value / unit, 1.0), 0.0, gap < 1 ? 1e-3 : 0.0) << t.label;
        if (gap > 5 * kDay && gap < 28 * kDay) {
            EXPECT_EQ((days % 7 + 7) % 7, 4) << "not a Monday: " << t.label;
        } else if (gap >= 28 * kDay) {
            EXPECT_TRUE(c.day == 1 && ((c.year * 12LL + c.month - 1) % months + months) % months == 0) << t.label;
        }
    }
}

TEST(AxisTicks, LinearLabels)
{
    struct Case {
        double min, max;
        const char* labels;
    };
    const Case cases[] = {
        {0, 1, "0.0 0.2 0.4 0.6 0.8 1.0"},
        {0.3, 0.7, "0.30 0.35 0.40 0.45 0.50 0.55 0.60 0.65 0.70"},
        {-1, 1, "-1.0 -0.5 0.0 0.5 1.0"},
        {1000, 2000, "1000 1200 1400 1600 1800 2000"},
        {-64.4, 96.2, "-60 -40 -20 0 20 40 60 80"},
        {-300, 300, "-300 -200 -100 0 100 200 300"},
        {0.99, 1.01, "0.990 0.995 1.000 1.005 1.010"},
        // 2 gives eleven ticks and 5 four: 2.5 instead.
        {1.9, 22.1, "2.5 5.0 7.5 10.0 12.5 15.0 17.5 20.0"},
        {1e6, 1e6 + 10, "1000000 1000002 1000004 1000006 1000008 1000010"},
        {0, 5e6, "0 1e6 2e6 3e6 4e6 5e6"},
        {0, 1e-4, "0 2e-5 4e-5 6e-5 8e-5 1.0e-4"},
        {-7e-7, 3e-7, "-6e-7 -4e-7 -2e-7 0 2e-7"},
        {-1e20, 1e20, "-1.0e20 -5e19 0 5e19 1.0e20"},
        {1e20, 1e20 + 4e5, "1.000000000000000e20 1.000000000000001e20 1.000000000000002e20 1.000000000000003e20 "
                           "1.000000000000004e20"},
        {-1.7e308, 1.7e308, "-1.5e308 -1.0e308 -5e307 0 5e307 1.0e308 1.5e308"},
        // As fine as the doubles there allow, and no finer.
        {1, std::nextafter(1.0, 2.0), "1.000000000000000"},
        {0, DBL_TRUE_MIN, "0"},
        {0, 1e-307, "0 2.5e-308 5.0e-308 7.5e-308 1.00e-307"},
    };
    for (const Case& c : cases) {
        const TickSet set = MakeTicks(TickScale::Linear, c.min, c.max);
        EXPECT_EQ(Labels(set), c.labels) << c.min << " .. " << c.max;
        EXPECT_EQ(set.context, "");
        ExpectSound(set, c.min, c.max, 1);
    }
}

// Spans across fifteen decades, placed at zero, across it, below it and far from it.
TEST(AxisTicks, LinearRangesOfEveryScale)
{
    const double starts[] = {0, -0.5, -0.13, 0.77, 12.3, -4567.8, 1e3};
    for (int quarter = -28; quarter <= 32; ++quarter) {
        const double span = std::pow(10.0, quarter / 4.0);
        for (double start : starts) {
            const double min = start * span, max = min + span;
            SCOPED_TRACE(testing::Message() << min << " .. " << max);
            const TickSet set = MakeTicks(TickScale::Linear, min, max);
            ExpectSound(set, min, max, 5);
            ExpectRoundSteps(set, min, max);
        }
    }
}

TEST(AxisTicks, LogLabels)
{
    struct Case {
        double min, max;
        const char* labels;
    };
    const Case cases[] = {
        {1, 10, "1 2 3 4 5 6 7 8 9 10"},
        {1, 100, "1 2 5 10 20 50 100"},
        {1, 1000, "1 2 5 10 20 50 100 200 500 1000"},
        {1, 2000, "1 3 10 30 100 300 1000"},
        {1, 1e4, "1 10 100 1000 10000"},
        {0.001, 1000, "0.001 0.01 0.1 1 10 100 1000"},
        {3, 40, "3 5 10 20 30"},
        {2, 8, "2 3 4 5 6 7 8"},
        // Within a decade: a linear walk.
        {1.5, 3, "1.6 1.8 2.0 2.2 2.4 2.6 2.8 3.0"},
        // Many decades: every n-th labelled, grid lines between while they are few.
        {1e-7, 1e8, ". 1e-6 . 1e-4 . 1e-2 . 1e0 . 1e2 . 1e4 . 1e6 . 1e8"},
        {1e-300, 1e300, "1e-300 1e-200 1e-100 1e0 1e100 1e200 1e300"},
    };
    for (const Case& c : cases) {
        const TickSet set = MakeTicks(TickScale::Log, c.min, c.max);
        EXPECT_EQ(Labels(set), c.labels) << c.min << " .. " << c.max;
        ExpectSound(set, c.min, c.max, 5);
    }
}

TEST(AxisTicks, LogRangesOfEveryWidth)
{
    for (int bottom = -80; bottom <= 80; bottom += 3) {
        for (int decades = 1; decades <= 160; decades += decades < 40 ? 1 : 7) {
            const double min = std::pow(10.0, bottom / 4.0), max = min * std::pow(10.0, decades / 4.0);
            SCOPED_TRACE(testing::Message() << min << " .. " << max);
            ExpectSound(MakeTicks(TickScale::Log, min, max), min, max, 5);
        }
    }
}

TEST(AxisTicks, TimeLabelsShowWhatChanges)
{
    struct Case {
        const char* start;
        double span;
        const char* context;
        const char* labels;
    };
    const Case cases[] = {
        {"2026-01-01 00:20:34.5", 1, "2026-01-01", "00:20:34.6 00:20:34.8 00:20:35.0 00:20:35.2 00:20:35.4"},
        {"2026-01-01 12:00:00", 0.001, "2026-01-01",
         "12:00:00.0000 12:00:00.0002 12:00:00.0004 12:00:00.0006 12:00:00.0008 12:00:00.0010"},
        {"2026-01-01 00:20:34.5", 20, "2026-01-01",
         "00:20:36 00:20:38 00:20:40 00:20:42 00:20:44 00:20:46 00:20:48 00:20:50 00:20:52 00:20:54"},
        {"2026-01-01 09:10", 12 * 3600, "2026-01-01", "10:00 12:00 14:00 16:00 18:00 20:00"},
        // Midnight reads the date, with the year where it changed.
        {"2025-12-31 19:00", 10 * 3600, "2025-12-31", "20:00 22:00 2026/1/1 02:00 04:00"},
        {"1969-12-31 23:00", 7200, "1969-12-31", "23:00 23:15 23:30 23:45 1970/1/1 00:15 00:30 00:45 01:00"},
        // Over a day clock times repeat: each says its date.
        {"2024-02-28 12:00", 2.5 * kDay, "2024", "2/28 12:00 2/29 2/29 12:00 3/1 3/1 12:00 3/2"},
        {"2025-12-10", 70 * kDay, "2025", "12/15 12/22 12/29 2026/1/5 1/12 1/19 1/26 2/2 2/9 2/16"},
        {"2026-01-01", 365 * kDay, "", "2026-01 2026-03 2026-05 2026-07 2026-09 2026-11 2027-01"},
        // Between 14-day and month steps the calendar allows only four.
        {"2026-01-02", 145 * kDay, "", "2026-02 2026-03 2026-04 2026-05"},
        {"2026-01-01", 30 * 365.25 * kDay, "", "2030 2035 2040 2045 2050 2055"},
    };
    for (const Case& c : cases) {
        const double min = Time(c.start), max = min + c.span;
        const TickSet set = MakeTicks(TickScale::Time, min, max);
        EXPECT_EQ(Labels(set), c.labels) << c.start << " + " << c.span;
        EXPECT_EQ(set.context, c.context) << c.start << " + " << c.span;
    }
}

// Fewer than five only between 14-day and month steps (spans of 140 to 153 days).
TEST(AxisTicks, TimeSpansFromASecondToThirtyYears)
{
    const char* starts[] = {"2026-01-01",          "2026-01-31 23:59:59.75", "2024-02-29 13:37:11",
                            "1969-12-31 23:58",    "1900-03-01 04:05:06",    "2099-12-31 12:00:00.5"};
    const double longest = 30 * 365.25 * kDay;
    for (int step = 0; step <= 300; ++step) {
        const double span = std::pow(longest, step / 300.0);
        for (const char* start : starts) {
            const double min = Time(start), max = min + span;
            SCOPED_TRACE(testing::Message() << start << " + " << span << " s");
            const TickSet set = MakeTicks(TickScale::Time, min, max);
            ExpectSound(set, min, max, span >= 140 * kDay && span <= 153 * kDay ? 4 : 5);
            ExpectCalendarAligned(set);
        }
    }
}

TEST(AxisTicks, ExtremeRangesEndWithSoundTicks)
{
    struct Case {
        TickScale scale;
        double min, max;
        int fewest;
    };
    const Case cases[] = {
        {TickScale::Linear, -DBL_MAX, DBL_MAX, 5},
        {TickScale::Linear, DBL_MAX / 2, DBL_MAX, 5},
        {TickScale::Linear, -1e-300, 1e-300, 5},
        {TickScale::Linear, 1e300, 1e300 * (1 + 1e-15), 1},
        {TickScale::Linear, -1, -0.0, 5},
        {TickScale::Log, DBL_TRUE_MIN, DBL_MAX, 5},
        {TickScale::Log, 1, std::nextafter(1.0, 2.0), 1},
        {TickScale::Time, -3.1e13, 3.1e13, 5},
        {TickScale::Time, 0, 1e-12, 0},
        {TickScale::Time, 1e9, std::nextafter(1e9, 2e9), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.scale) << ": " << c.min << " .. " << c.max);
        ExpectSound(MakeTicks(c.scale, c.min, c.max), c.min, c.max, c.fewest);
    }
}

TEST(AxisTicks, MaxTicksBoundsTheLabels)
{
    struct Case {
        TickScale scale;
        double min, max;
    };
    const Case cases[] = {{TickScale::Linear, 0, 1},      {TickScale::Linear, -3.3, 1e4}, {TickScale::Log, 1, 1e30},
                          {TickScale::Log, 2, 9},         {TickScale::Time, 0, kDay},     {TickScale::Time, 0, 1e9}};
    for (const Case& c : cases) {
        for (int most : {1, 2, 3, 4, 7, 20, 100, INT_MAX}) {
            SCOPED_TRACE(testing::Message() << int(c.scale) << ": " << c.min << " .. " << c.max << ", " << most);
            ExpectSound(MakeTicks(c.scale, c.min, c.max, most), c.min, c.max, 1, std::min(most, kMostAxisTicks));
        }
    }
}

TEST(AxisTicks, InvalidRangesGiveNothing)
{
    struct Case {
        TickScale scale;
        double min, max;
        int maxTicks;
    };
    const Case cases[] = {
        {TickScale::Linear, 1, 1, 10},      {TickScale::Linear, 2, 1, 10},     {TickScale::Linear, kNaN, 1, 10},
        {TickScale::Linear, 0, kNaN, 10},   {TickScale::Linear, -kInf, 0, 10}, {TickScale::Linear, 0, kInf, 10},
        {TickScale::Linear, 0, 1, 0},       {TickScale::Linear, 0, 1, -5},     {TickScale::Log, 0, 10, 10},
        {TickScale::Log, -1, 10, 10},       {TickScale::Log, 1, kInf, 10},     {TickScale::Time, 0, 4e13, 10},
        {TickScale::Time, -kInf, 0, 10},    {TickScale::Time, kNaN, kNaN, 10},
    };
    for (const Case& c : cases) {
        const TickSet set = MakeTicks(c.scale, c.min, c.max, c.maxTicks);
        EXPECT_TRUE(set.ticks.empty() && set.context.empty()) << c.min << " .. " << c.max << ": " << Labels(set);
    }
}

} // namespace
