#include "chart2d/AxisLabel.h"

#include "gfx/NumberText.h"
#include "settings/PageLayout.h"

#include <algorithm>

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

double LabelCharWidth(const CPageLayout& l)
{
    return std::max({l.m_nPlotLeft * (1.0 / 14), 1.0, l.m_dMinText * 0.5});
}

double HLabelHeight(const CPageLayout& l)
{
    return std::max({int(l.m_nPageHeight * 0.04) * 0.5, 2.0, l.m_dMinText});
}
