#include "chart2d/SeriesMapping.h"

#include "chart2d/TickWalk.h"
#include "doc/SorvDoc.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <cmath>

CSeriesMapping::CSeriesMapping(const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l)
    : m_nBottom(l.m_nPlotBottom),
      m_dVScale(l.m_dVScale),
      m_dYMin(s.m_bVLog ? LogAxisEnd(s.m_dVMin) : s.m_dVMin),
      m_bLog(s.m_bVLog)
{
    if (doc.RegionInMatrix()) {
        m_nRows = doc.m_nY2 - doc.m_nY1 + 1;
        m_nColumns = doc.m_nX2 - doc.m_nX1 + 1;
    }
    // A one-column region has an infinite scale; its column still lies on L.
    m_xs.reserve(std::size_t(m_nColumns));
    for (int c = 0; c < m_nColumns; ++c)
        m_xs.push_back(c == 0 ? l.m_nPlotLeft : TruncToInt(c * l.m_dHScale, l.m_nPlotLeft));
}

std::optional<int> CSeriesMapping::Y(double v) const
{
    const double t = m_bLog ? std::log10(v) : v;
    return TruncToInt((t - m_dYMin) * m_dVScale, m_nBottom);
}
