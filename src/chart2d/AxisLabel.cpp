#include "chart2d/AxisLabel.h"

#include <algorithm>
#include <cstdio>

int GetLabelLength(const char* text)
{
    int n = 0;
    while (text[n] != '\0' && text[n] != ' ')
        ++n;
    return n;
}

std::string FormatAxisNumber(double v, int decimals, bool leftJustified)
{
    const int width = 12;
    const int prec = std::clamp(decimals, 0, 9);
    const char* format = leftJustified ? "%-*.*f" : "%*.*f";
    const int n = std::snprintf(nullptr, 0, format, width, prec, v);
    if (n <= 0)
        return {};
    std::string text(std::size_t(n), '\0');
    std::snprintf(text.data(), text.size() + 1, format, width, prec, v);
    return text;
}
