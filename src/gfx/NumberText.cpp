#include "gfx/NumberText.h"

#include <algorithm>
#include <cstdio>

std::string FormatFixed(double v, int decimals, int width, bool leftJustified)
{
    const int prec = std::clamp(decimals, 0, 9);
    const char* format = leftJustified ? "%-*.*f" : "%*.*f";
    const int n = std::snprintf(nullptr, 0, format, width, prec, v);
    if (n <= 0)
        return {};
    std::string text(std::size_t(n), '\0');
    std::snprintf(text.data(), text.size() + 1, format, width, prec, v);
    return text;
}
