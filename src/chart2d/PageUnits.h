#pragma once
// Conversions from real numbers to page units, shared by every 2D chart stage.

#include <optional>

// A real number truncated toward zero to a page coordinate; nothing when it is
// infinite, NaN or outside the int range, so that such a point is left out.
inline std::optional<int> ToPage(double v)
{
    if (!(v > -2147483649.0 && v < 2147483648.0))
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
