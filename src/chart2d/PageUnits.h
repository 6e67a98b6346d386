#pragma once
// Conversions from real numbers to page units, shared by every 2D chart stage.

#include <climits>
#include <optional>

// A real number truncated toward zero to a page coordinate; nothing when it is
// infinite, NaN or outside the int range, so that such a point is left out.
inline std::optional<int> ToPage(double v)
{
    if (!(v > -2147483649.0 && v < 2147483648.0))
        return std::nullopt;
    return int(v);
}

// origin + trunc(offset), the way every position from a scale is made; nothing
// when the offset is infinite or NaN or the sum leaves the int range.
inline std::optional<int> ToPage(double offset, int origin)
{
    if (!(offset > -4294967296.0 && offset < 4294967296.0))
        return std::nullopt;
    const long long v = static_cast<long long>(offset) + origin;
    if (v < INT_MIN || v > INT_MAX)
        return std::nullopt;
    return int(v);
}

// Character width of the vertical labels and the legend: a fourteenth of the
// plot's left edge, at least one unit.
inline double LabelCharWidth(int plotLeft)
{
    const double cw = plotLeft * (1.0 / 14);
    return cw < 1.0 ? 1.0 : cw;
}
