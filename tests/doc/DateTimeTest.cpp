// Date-times as data files write them, the calendar both ways, and the text written back.

#include "doc/DateTime.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <utility>
#include <vector>

namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

// Seconds from the system's `date -u +%s`; nothing for a text that is refused.
TEST(DateTime, ParsesWhatFilesWrite)
{
    struct Case {
        const char* text;
        std::optional<double> seconds;
        std::optional<int> offset = std::nullopt;
    };
    const Case cases[] = {
        {"2026-01-01T12:00:00", 1767268800},
        {"2026-01-01 12:00:00", 1767268800},
        {"2026-01-01T12:00", 1767268800},
        {"2026/01/01 12:00:00", 1767268800},
        {"2026/1/2 3:04", 1767323040},
        {"2026-01-01", 1767225600},
        {" \t2026-01-01T12:00:00\t ", 1767268800},
        {"1970-01-01", 0},
        {"1969-12-31 23:59:59", -1},
        {"2024-02-29", 1709164800},
        {"2000-02-29 23:59:59", 951868799},
        {"0001-01-01", -62135596800},
        {"9999-12-31 23:59", 253402300740},
        {"2026-01-01T12:00:00.25", 1767268800.25},
        {"2026-01-01T12:00:00,5", 1767268800.5},
        // A zone is kept beside the time, never applied to it.
        {"2026-01-01T12:00:00Z", 1767268800, 0},
        {"2026-01-01T12:00:00+09:00", 1767268800, 32400},
        {"2026-01-01 12:00+0900", 1767268800, 32400},
        {"2026-01-01T12:00:00-05", 1767268800, -18000},
        {"2026-01-01T12:00:00.5-03:30", 1767268800.5, -12600},
        // Not a real date or time.
        {"2026-02-29", std::nullopt},
        {"1900-02-29", std::nullopt},
        {"2026-04-31", std::nullopt},
        {"2026-13-01", std::nullopt},
        {"2026-00-10", std::nullopt},
        {"2026-01-01T24:00", std::nullopt},
        {"2026-01-01T12:60", std::nullopt},
        {"2026-01-01T12:00:60", std::nullopt},
        {"2026-01-01T12:00:00+24:00", std::nullopt},
        {"2026-01-01T12:00:00+09:60", std::nullopt},
        // Not such a text.
        {"", std::nullopt},
        {"  ", std::nullopt},
        {"12:00", std::nullopt},
        {"26-01-01", std::nullopt},
        {"2026-01/01", std::nullopt},
        {"2026-01-01T", std::nullopt},
        {"2026-01-01T12", std::nullopt},
        {"2026-01-01x", std::nullopt},
        {"2026-01-01Z", std::nullopt},
        {"2026-01-01  12:00", std::nullopt},
        {"2026-01-01T12:00:00.", std::nullopt},
        {"2026-01-01T12:00:00 Z", std::nullopt},
        {"2026-01-01T12:00:00+9", std::nullopt},
        {"2026-01-01T12:00:00+09:", std::nullopt},
        {"2026-01-01T12:00:00+09:0", std::nullopt},
        {"2026-01-01T12:00:00+095", std::nullopt},
        {"2026-01-01T12:00:00+09:00x", std::nullopt},
    };
    for (const Case& c : cases) {
        const std::optional<ParsedDateTime> parsed = ParseDateTime(c.text);
        EXPECT_EQ(parsed.has_value(), c.seconds.has_value()) << c.text;
        if (!parsed || !c.seconds)
            continue;
        EXPECT_DOUBLE_EQ(parsed->seconds, *c.seconds) << c.text;
        EXPECT_EQ(parsed->offsetSeconds, c.offset) << c.text;
    }
}

// Every day from the year -1000 to 3000 follows the one before and reads back as written.
TEST(DateTime, CalendarRunsDayByDay)
{
    EXPECT_EQ(DaysFromCivil(1970, 1, 1), 0);
    EXPECT_EQ(DaysFromCivil(1, 1, 1), -719162);
    EXPECT_EQ(DaysFromCivil(-1000, 1, 1), -1084770);
    EXPECT_EQ(DaysFromCivil(3000, 12, 31), 32535129600 / 86400);
    EXPECT_EQ(DaysInMonth(2026, 13), 0);
    long long expected = DaysFromCivil(-1000, 1, 1);
    for (int year = -1000; year <= 3000; ++year) {
        for (int month = 1; month <= 12; ++month) {
            for (int day = 1; day <= DaysInMonth(year, month); ++day, ++expected) {
                ASSERT_EQ(DaysFromCivil(year, month, day), expected) << year << "-" << month << "-" << day;
                const std::optional<CivilTime> t = CivilFromSeconds(SecondsFromCivil({year, month, day, 13, 5, 7.25}));
                ASSERT_TRUE(t && t->year == year && t->month == month && t->day == day && t->hour == 13 &&
                            t->minute == 5 && t->second == 7.25)
                    << year << "-" << month << "-" << day;
            }
        }
    }
    EXPECT_EQ(expected, DaysFromCivil(3001, 1, 1));
}

// Any second, also just below a minute, an hour or a day, reads as a civil
// time within its fields that gives it back exactly.
TEST(DateTime, SecondsRoundTrip)
{
    std::vector<double> values = {0, -0.0, 1e-300, 3.15e13, -3.15e13};
    for (double boundary : {60.0, 3600.0, 86400.0, 1767225600.0, -86400.0, -31536000.0})
        values.push_back(std::nextafter(boundary, -kInf));
    std::mt19937_64 rng(19);
    std::uniform_real_distribution<double> years0To3000(-6.3e10, 3.3e10);
    for (int i = 0; i < 50000; ++i) {
        values.push_back(years0To3000(rng));
        values.push_back(std::floor(values.back()));
    }
    for (double s : values) {
        const std::optional<CivilTime> t = CivilFromSeconds(s);
        ASSERT_TRUE(t) << s;
        EXPECT_TRUE(t->month >= 1 && t->month <= 12 && t->day >= 1 && t->day <= DaysInMonth(t->year, t->month) &&
                    t->hour >= 0 && t->hour < 24 && t->minute >= 0 && t->minute < 60 && t->second >= 0 &&
                    t->second < 60)
            << s;
        EXPECT_EQ(SecondsFromCivil(*t), s) << s;
    }
}

TEST(DateTime, FormatsRoundedToTheDigitsShown)
{
    struct Case {
        double seconds;
        int digits;
        const char* text;
    };
    const Case cases[] = {
        {0, 0, "1970-01-01 00:00:00"},
        {-1, 0, "1969-12-31 23:59:59"},
        {-0.25, 2, "1969-12-31 23:59:59.75"},
        // 05.3 is 05.2999999523 as a double.
        {1767268805.3, 1, "2026-01-01 12:00:05.3"},
        {1767268805.3, 0, "2026-01-01 12:00:05"},
        // Rounding carries on: never a 60th second.
        {59.9999, 0, "1970-01-01 00:01:00"},
        {86399.9996, 3, "1970-01-02 00:00:00.000"},
        {0.5, 12, "1970-01-01 00:00:00.500000000"},
        {0.4, -1, "1970-01-01 00:00:00"},
        {253402300799, 0, "9999-12-31 23:59:59"},
        {kNaN, 0, ""},
        {kInf, 3, ""},
        {-kInf, 0, ""},
        {4e13, 0, ""},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FormatDateTime(c.seconds, c.digits), c.text) << c.seconds << ", " << c.digits;
    for (const auto& [text, digits] : {std::pair{"2026-01-01 12:00:05.3", 1}, std::pair{"1969-12-31 23:59:59.75", 2},
                                       std::pair{"2024-02-29 00:00:00", 0}})
        EXPECT_EQ(FormatDateTime(ParseDateTime(text)->seconds, digits), text);
}

} // namespace
