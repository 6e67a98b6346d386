#pragma once
// The axis tick labels: their text, its drawn length, and the character
// width that the vertical labels share with the legend.

#include <string>

// The number of characters before the first blank or the end of text.
int GetLabelLength(const char* text);

// v with the given decimals (taken as 0..9) in a field of 12 characters:
// right-justified for the vertical axis, left-justified (blank-padded) for the
// horizontal one. A wider number is written whole.
std::string FormatAxisNumber(double v, int decimals, bool leftJustified);

// Character width of the vertical labels and the legend: a fourteenth of the
// plot's left edge, at least one unit.
inline double LabelCharWidth(int plotLeft)
{
    const double cw = plotLeft * (1.0 / 14);
    return cw < 1.0 ? 1.0 : cw;
}
