#include "page/LastColumns.h"

#include "doc/DocSnapshot.h"

int ColumnsToFollow(const CDocSnapshot& doc)
{
    const int width = doc.m_nX2 - doc.m_nX1 + 1;
    return doc.RegionInMatrix() && width < doc->m_nCols ? width : 0;
}

void ShowLastColumns(CDocSnapshot& doc, int columns)
{
    const int cols = doc->m_nCols;
    if (doc->IsEmpty() || cols <= 0 || doc->m_nRows <= 0)
        return;
    // Rows outside the matrix would leave no chart to draw: all of them then.
    if (doc.m_nY1 < 0 || doc.m_nY1 > doc.m_nY2 || doc.m_nY2 >= doc->m_nRows) {
        doc.m_nY1 = 0;
        doc.m_nY2 = doc->m_nRows - 1;
    }
    doc.m_nX2 = cols - 1;
    doc.m_nX1 = columns > 0 && columns < cols ? cols - columns : 0;
}
