#include "chart2d/AxisLabel.h"

#include "gfx/NumberText.h"

int GetLabelLength(const char* text)
{
    int n = 0;
    while (text[n] != '\0' && text[n] != ' ')
        ++n;
    return n;
}

std::string FormatAxisNumber(double v, int decimals, bool leftJustified)
{
    return FormatFixed(v, decimals, 12, leftJustified);
}
