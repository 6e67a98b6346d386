#include "chart2d/SeriesMapping.h"

#include "doc/DocSnapshot.h"

#include <algorithm>

CSeriesMapping::CSeriesMapping(const CDocSnapshot& doc, const CPageLayout& layout, bool draft)
    : m_nFirstColumn(doc.m_nX1), m_nPlacement(layout.m_nHPlacement), m_pX(doc->m_x.Data()),
      m_horizontal(CScaleMap::Horizontal(layout)), m_values(CScaleMap::Values(layout)),
      m_right(CScaleMap::RightValues(layout))
{
    if (doc.RegionInMatrix() && PlacesOn(layout, doc)) {
        m_nRows = doc.m_nY2 - doc.m_nY1 + 1;
        m_nColumns = doc.m_nX2 - doc.m_nX1 + 1;
    }
    // Half a pixel a column at most, and no more points than a moment draws.
    constexpr long long kDraftPoints = 250000;
    const int pixels = std::max(1, layout.m_nPlotRight - layout.m_nPlotLeft);
    const long long points = (long long)m_nRows * m_nColumns;
    if (draft)
        m_nStride = std::max({1, m_nColumns / (2 * pixels), int((points + kDraftPoints - 1) / kDraftPoints)});
}

bool CSeriesMapping::PlacesOn(const CPageLayout& layout, const CDocSnapshot& doc)
{
    return layout.m_nHPlacement != HPlacement::XValues || doc->m_x.Count() == std::size_t(doc->m_nCols);
}

std::optional<int> CSeriesMapping::ColumnX(const CPageLayout& layout, const CDocSnapshot& doc, int c)
{
    if (!PlacesOn(layout, doc))
        return std::nullopt;
    return ColumnX(layout.m_nHPlacement, CScaleMap::Horizontal(layout), doc->m_x.Data(), doc.m_nX1, c);
}
