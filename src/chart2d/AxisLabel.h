#pragma once
// The axis tick labels: their text, its drawn length, and the character
// width that the vertical labels share with the legend.

#include <string>

struct CPageLayout;

// The number of characters before the first blank or the end of text.
int GetLabelLength(const char* text);

// v with the given decimals (taken as 0..9) in a field of 12 characters:
// right-justified for the vertical axis, left-justified (blank-padded) for the
// horizontal one. A wider number is written whole.
std::string FormatAxisNumber(double v, int decimals, bool leftJustified);

// Character width of the vertical labels and the legend: a fourteenth of the
// plot's left edge, at least one unit and half the least text height.
double LabelCharWidth(const CPageLayout& layout);
// Font height of the horizontal labels: half the strip below a plot without
// a title line, at least 2 units and the least text height.
double HLabelHeight(const CPageLayout& layout);
