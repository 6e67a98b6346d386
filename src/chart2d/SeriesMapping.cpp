#include "chart2d/SeriesMapping.h"

#include "doc/SorvDoc.h"

CSeriesMapping::CSeriesMapping(const CSorvDoc& doc, const CPageLayout& layout)
    : m_columns(CScaleMap::Columns(layout)), m_values(CScaleMap::Values(layout))
{
    if (doc.RegionInMatrix()) {
        m_nRows = doc.m_nY2 - doc.m_nY1 + 1;
        m_nColumns = doc.m_nX2 - doc.m_nX1 + 1;
    }
}
