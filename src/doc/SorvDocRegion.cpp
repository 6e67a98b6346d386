#include "doc/SorvDoc.h"

#include <algorithm>

bool CSorvDoc::SetRegion(int x1, int y1, int x2, int y2)
{
    if (IsEmpty())
        return false;
    int nx1 = 0, ny1 = 0, nx2 = m_nCols - 1, ny2 = m_nRows - 1;
    if (x1 != 0 || y1 != 0 || x2 != 0 || y2 != 0) {
        nx1 = std::max(x1, m_nX1);
        nx2 = std::min(x2, m_nX2);
        ny1 = std::max(y1, m_nY1);
        ny2 = std::min(y2, m_nY2);
        if (nx1 > nx2 || ny1 > ny2)
            return false;
    }
    if (m_fnStopAllViews)
        m_fnStopAllViews();
    m_nX1 = nx1;
    m_nY1 = ny1;
    m_nX2 = nx2;
    m_nY2 = ny2;
    if (m_fnUpdateAllViews)
        m_fnUpdateAllViews();
    return true;
}
