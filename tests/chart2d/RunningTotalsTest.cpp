#include "chart2d/RunningTotals.h"
#include "support/TestDoc.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

// Values whose sums depend on the order of addition.
double Awkward(int r, int c)
{
    return std::ldexp(1.0 + 0.1 * ((r * 31 + c * 17) % 13), (r * 7 + c) % 60 - 30) * ((r + c) % 3 ? 1 : -1);
}

// The totals as the chart defines them: from 0.0, rows 0..r added in order.
double Total(const CSorvDoc& doc, int r, int column)
{
    double sum = 0.0;
    for (int q = 0; q <= r; ++q)
        sum += doc->Value(q, column);
    return sum;
}

bool SameBits(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Every bound, from a block of two columns to all totals kept, gives the same
// sums as adding the rows in order, for the rows asked for from the last up.
TEST(RunningTotals, EqualToTheSumsInRowOrderWithinAnyBudget)
{
    const auto doc = MakeTestDoc(23, 9, Awkward);
    const struct {
        int x1, columns, y1, y2;
    } regions[] = {{0, 9, 0, 22}, {2, 5, 4, 17}, {8, 1, 22, 22}, {0, 9, 5, 5}, {3, 6, 0, 0}};
    for (const auto& g : regions) {
        for (std::size_t budget : {2u, 3u, 5u, 9u, 17u, 18u, 27u, 45u, 100u, 1000u}) {
            CRunningTotals totals(*doc, g.x1, g.columns, g.y1, g.y2, budget);
            ASSERT_GE(totals.BlockWidth(), 1);
            for (int r = g.y2; r >= g.y1; --r) {
                for (int from = 0; from < g.columns; from += totals.BlockWidth()) {
                    const double* row = totals.Row(r, from);
                    for (int c = from; c < g.columns && c < from + totals.BlockWidth(); ++c)
                        ASSERT_TRUE(SameBits(row[c - from], Total(*doc, r, g.x1 + c)))
                            << "budget " << budget << " row " << r << " column " << c << " region " << g.x1 << ","
                            << g.y1;
                }
            }
        }
    }
}

}  // namespace
