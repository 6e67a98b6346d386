#include "chart2d/SeriesMapping.h"

#include "doc/SorvDoc.h"

CSeriesMapping::CSeriesMapping(const CSorvDoc& doc, const CPageLayout& layout)
    : m_nFirstColumn(doc.m_nX1), m_nPlacement(layout.m_nHPlacement), m_pX(doc.m_x.Values().data()),
      m_horizontal(CScaleMap::Horizontal(layout)), m_values(CScaleMap::Values(layout)),
      m_right(CScaleMap::RightValues(layout))
{
    if (doc.RegionInMatrix() && PlacesOn(layout, doc)) {
        m_nRows = doc.m_nY2 - doc.m_nY1 + 1;
        m_nColumns = doc.m_nX2 - doc.m_nX1 + 1;
    }
}

bool CSeriesMapping::PlacesOn(const CPageLayout& layout, const CSorvDoc& doc)
{
    return layout.m_nHPlacement != HPlacement::XValues || doc.m_x.Count() == std::size_t(doc.m_nCols);
}

std::optional<int> CSeriesMapping::ColumnX(const CPageLayout& layout, const CSorvDoc& doc, int c)
{
    if (!PlacesOn(layout, doc))
        return std::nullopt;
    return ColumnX(layout.m_nHPlacement, CScaleMap::Horizontal(layout), doc.m_x.Values().data(), doc.m_nX1, c);
}
