#pragma once
// Conversion of a computed page coordinate to int by truncation toward zero,
// refused for values that are not finite or do not fit.

#include <optional>

inline std::optional<int> TruncToInt(double value)
{
    // Both bounds are exact doubles; NaN fails the test.
    if (!(value > -2147483649.0 && value < 2147483648.0))
        return std::nullopt;
    return int(value);
}

// a + b for page coordinates that may lie far outside the page.
inline std::optional<int> AddInts(long long a, long long b)
{
    const long long sum = a + b;
    if (sum < -2147483648LL || sum > 2147483647LL)
        return std::nullopt;
    return int(sum);
}
