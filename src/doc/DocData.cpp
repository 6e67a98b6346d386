#include "doc/DocData.h"

void CDocData::TakeRange(const ValueRange& range)
{
    const bool anyFinite = range.min <= range.max;
    m_dMin = anyFinite ? range.min : 0.0;
    m_dMax = anyFinite ? range.max : 0.0;
}

void CDocData::SetShape(int rows, int cols)
{
    m_nRows = m_nRowRoom = rows;
    m_nCols = m_nStride = cols;
}
