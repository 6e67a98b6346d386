#include "chart2d/SeriesMapping.h"

#include "chart2d/PageUnits.h"
#include "chart2d/TickWalk.h"
#include "doc/SorvDoc.h"
#include "view/PlotSettings.h"

#include <cmath>

namespace {

bool RegionInMatrix(const CSorvDoc& doc)
{
    return doc.m_pData && 0 <= doc.m_nX1 && doc.m_nX1 <= doc.m_nX2 && doc.m_nX2 < doc.m_nCols && 0 <= doc.m_nY1 &&
           doc.m_nY1 <= doc.m_nY2 && doc.m_nY2 < doc.m_nRows;
}

}  // namespace

CSeriesMapping::CSeriesMapping(const CSorvDoc& doc, const CPlotSettings& s)
    : m_nLeft(s.m_nPlotLeft),
      m_nBottom(s.m_nPlotBottom),
      m_dHScale(s.m_dHScale),
      m_dVScale(s.m_dVScale),
      m_dYMin(s.m_bVLog ? LogAxisEnd(s.m_dVMin) : s.m_dVMin),
      m_bLog(s.m_bVLog)
{
    if (RegionInMatrix(doc)) {
        m_nRows = doc.m_nY2 - doc.m_nY1 + 1;
        m_nColumns = doc.m_nX2 - doc.m_nX1 + 1;
    }
}

std::optional<int> CSeriesMapping::X(int c) const
{
    // A one-column region has an infinite scale; its column still lies on L.
    if (c == 0)
        return m_nLeft;
    return ToPage(std::trunc(c * m_dHScale) + m_nLeft);
}

std::optional<int> CSeriesMapping::Y(double v) const
{
    const double t = m_bLog ? std::log10(v) : v;
    return ToPage(std::trunc((t - m_dYMin) * m_dVScale) + m_nBottom);
}
