#pragma once
// Conversion of computed page positions to int: truncation toward zero, and
// nothing for a value that is infinite, NaN or beyond the range of int, so
// that such a point is left out instead of wrapping around.

#include <climits>
#include <optional>

// a + b when the sum fits an int.
inline std::optional<int> AddInts(long long a, long long b)
{
    const long long sum = a + b;
    if (sum < INT_MIN || sum > INT_MAX)
        return std::nullopt;
    return int(sum);
}

// origin + trunc(offset), the way every position is made from a scale.
inline std::optional<int> TruncToInt(double offset, int origin = 0)
{
    // Both bounds are exact doubles; NaN fails the test.
    if (!(offset > -4294967296.0 && offset < 4294967296.0))
        return std::nullopt;
    return AddInts(static_cast<long long>(offset), origin);
}
