#include "doc/SorvDoc.h"

#include "doc/ChunkParser.h"

#include <algorithm>
#include <utility>

void CSorvDoc::Adopt(int rows, int cols, std::unique_ptr<double[]> data, std::unique_ptr<std::string[]> labels,
                     const ValueRange& range, bool utf8)
{
    Clear();
    m_nRows = rows;
    m_nCols = cols;
    m_pData = std::move(data);
    m_pLabels = std::move(labels);
    m_nX1 = m_nY1 = 0;
    m_nX2 = cols - 1;
    m_nY2 = rows - 1;
    m_bUtf8 = utf8;
    TakeRange(range);
}

namespace {

// A span first..last of count (columns or rows) on data of newCount: all of
// them stays all; one that ended at the last keeps its width (moved with the
// end) or, with keepStart, its start; any other stays as it was.
void FollowSpan(int& first, int& last, int count, int newCount, bool keepStart)
{
    if (first > last || last != count - 1)
        return;
    const int width = last - first;
    last = newCount - 1;
    if (first != 0 && !keepStart)
        first = std::max(0, last - width);
}

}  // namespace

void CSorvDoc::TakeData(CSorvDoc&& fresh)
{
    int x1 = m_nX1, y1 = m_nY1, x2 = m_nX2, y2 = m_nY2;
    FollowSpan(x1, x2, m_nCols, fresh.m_nCols, false);
    FollowSpan(y1, y2, m_nRows, fresh.m_nRows, true);
    std::string title = std::move(m_strTitle);
    std::function<void()> stopAllViews = std::move(m_fnStopAllViews);
    std::function<void()> updateAllViews = std::move(m_fnUpdateAllViews);
    *this = std::move(fresh);
    m_strTitle = std::move(title);
    m_fnStopAllViews = std::move(stopAllViews);
    m_fnUpdateAllViews = std::move(updateAllViews);
    m_nX1 = x1;
    m_nY1 = y1;
    m_nX2 = x2;
    m_nY2 = y2;
    if (!RegionInMatrix()) {
        m_nX1 = m_nY1 = 0;
        m_nX2 = m_nCols - 1;
        m_nY2 = m_nRows - 1;
    }
}
