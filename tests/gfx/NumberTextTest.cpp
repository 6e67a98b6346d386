#include "gfx/NumberText.h"

#include <gtest/gtest.h>
#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>

namespace {

// What printf's "%*.*f" (or "%-*.*f") writes in the C locale.
std::string Printf(double v, int decimals, int width, bool left)
{
    char buf[400];
    std::snprintf(buf, sizeof buf, left ? "%-*.*f" : "%*.*f", width, decimals, v);
    return buf;
}

const double kValues[] = {0.0, -0.0, 1.5, -1.5, 0.125, 2.5, 3.5, 0.05, 1e-7, 123456.789, -98765.4321, 1e15, 9.999999999,
                          0.0000000005, 1e300, -std::numeric_limits<double>::max(), std::numeric_limits<double>::min(),
                          std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity()};

TEST(NumberText, WritesWhatPrintfWritesInTheCLocale)
{
    std::setlocale(LC_NUMERIC, "C");
    for (double v : kValues) {
        for (int decimals : {0, 1, 3, 9}) {
            for (int width : {0, 5, 12}) {
                for (bool left : {false, true}) {
                    SCOPED_TRACE(Printf(v, 17, 0, false) + " decimals " + std::to_string(decimals) + " width " +
                                 std::to_string(width));
                    EXPECT_EQ(FormatFixed(v, decimals, width, left), Printf(v, decimals, width, left));
                }
            }
        }
    }
    // Decimals are taken as 0..9.
    EXPECT_EQ(FormatFixed(2.0 / 3.0, 25), "0.666666667");
    EXPECT_EQ(FormatFixed(2.75, -3), "3");
    EXPECT_EQ(FormatFixed(std::nan(""), 2, 5), "  nan");
}

// A locale with a decimal comma must not change a label.
TEST(NumberText, IgnoresTheProcessLocale)
{
    const char* names[] = {"de_DE.UTF-8", "fr_FR.UTF-8", "de_DE", "fr_FR"};
    const char* found = nullptr;
    for (const char* name : names) {
        if (std::setlocale(LC_NUMERIC, name)) {
            found = name;
            break;
        }
    }
    if (!found)
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const std::string a = FormatFixed(1234.5, 2, 12);
    const std::string b = FormatFixed(-0.25, 3, 0, true);
    std::setlocale(LC_NUMERIC, "C");
    EXPECT_EQ(a, "     1234.50");
    EXPECT_EQ(b, "-0.250");
}

}  // namespace
