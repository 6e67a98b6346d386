#include "doc/DocSnapshot.h"

CDocSnapshot::CDocSnapshot() : m_pShared(std::make_shared<const CDocData>()) {}

long long CDocSnapshot::RegionCells() const
{
    return RegionInMatrix() ? (long long)(m_nX2 - m_nX1 + 1) * (m_nY2 - m_nY1 + 1) : 0;
}

bool CDocSnapshot::RegionInMatrix() const
{
    const CDocData& d = *m_pShared;
    return !d.IsEmpty() && 0 <= m_nX1 && m_nX1 <= m_nX2 && m_nX2 < d.m_nCols && 0 <= m_nY1 && m_nY1 <= m_nY2 &&
           m_nY2 < d.m_nRows;
}
