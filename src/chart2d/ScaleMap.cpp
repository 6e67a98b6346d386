#include "chart2d/ScaleMap.h"

#include "settings/PageLayout.h"

CScaleMap CScaleMap::Fit(int from, int to, double min, double max, bool log)
{
    const double start = log ? LogAxisEnd(min) : min;
    const double end = log ? LogAxisEnd(max) : max;
    return {from, start, (double(to) - from) / (end - start), log};
}

CScaleMap CScaleMap::Horizontal(const CPageLayout& layout)
{
    return {layout.m_nPlotLeft, layout.m_dHStart, layout.m_dHScale, layout.m_bHLog};
}

CScaleMap CScaleMap::Values(const CPageLayout& layout)
{
    return {layout.m_nPlotBottom, layout.m_dVStart, layout.m_dVScale, layout.m_bVLog};
}

CScaleMap CScaleMap::RightValues(const CPageLayout& layout)
{
    return {layout.m_nPlotBottom, layout.m_dV2Start, layout.m_dV2Scale, layout.m_bV2Log};
}

double CScaleMap::ToValue(double p) const
{
    const double t = m_dStart + Offset(p);
    return m_bLog ? std::pow(10.0, t) : t;
}
