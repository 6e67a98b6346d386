#include "page/ColumnSpan.h"

#include "doc/SorvDoc.h"
#include "page/MouseZoom.h"
#include "settings/PageLayout.h"

#include <algorithm>
#include <cmath>

bool PlacedOnAxis(const CPageLayout& l)
{
    return l.m_nHPlacement != HPlacement::Region;
}

bool ColumnsForFallingX(const CPageLayout& l, const CDocSnapshot& doc)
{
    return l.m_nHPlacement == HPlacement::ColumnNumbers && !doc->m_x.IsEmpty();
}

std::optional<std::pair<int, int>> ColumnsAround(const CDocSnapshot& doc, const CPageLayout& l, double a, double b)
{
    if (l.m_nHPlacement == HPlacement::XValues)
        return doc->m_x.ColumnsAround(a, b);
    const double last = double(doc->m_nCols) - 1;
    return std::make_pair(int(std::clamp(std::floor(a), 0.0, last)), int(std::clamp(std::ceil(b), 0.0, last)));
}

bool SetRegionColumns(CSorvDoc& doc, int from, int to)
{
    const int y1 = doc.m_nY1, y2 = doc.m_nY2;
    if (from == doc.m_nX1 && to == doc.m_nX2)
        return true;
    if (from < doc.m_nX1 || to > doc.m_nX2)
        doc.SetRegion(0, 0, 0, 0);
    return NarrowRegion(doc, from, y1, to, y2);
}
