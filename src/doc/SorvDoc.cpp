#include "doc/SorvDoc.h"

#include <algorithm>
#include <utility>

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

std::string DocumentTitle(const std::string& path)
{
    const std::size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

void CSorvDoc::Adopt(std::shared_ptr<const CDocData> data)
{
    m_pShared = data ? std::move(data) : std::make_shared<const CDocData>();
    ShowWholeMatrix();
}

void CSorvDoc::Publish(std::shared_ptr<const CDocData> data)
{
    const CDocData& old = Data();
    FollowSpan(m_nX1, m_nX2, old.m_nCols, data->m_nCols, false);
    FollowSpan(m_nY1, m_nY2, old.m_nRows, data->m_nRows, true);
    m_pShared = std::move(data);
    if (!RegionInMatrix())
        ShowWholeMatrix();
}

void CSorvDoc::ShowWholeMatrix()
{
    m_nX1 = m_nY1 = 0;
    m_nX2 = Data().m_nCols - 1;
    m_nY2 = Data().m_nRows - 1;
}

void CSorvDoc::UpdateAllViews() const
{
    if (m_fnUpdateAllViews)
        m_fnUpdateAllViews();
}

bool CSorvDoc::SetRegion(int x1, int y1, int x2, int y2)
{
    const CDocData& d = Data();
    if (d.IsEmpty())
        return false;
    int nx1 = 0, ny1 = 0, nx2 = d.m_nCols - 1, ny2 = d.m_nRows - 1;
    if (x1 != 0 || y1 != 0 || x2 != 0 || y2 != 0) {
        nx1 = std::max(x1, m_nX1);
        nx2 = std::min(x2, m_nX2);
        ny1 = std::max(y1, m_nY1);
        ny2 = std::min(y2, m_nY2);
        if (nx1 > nx2 || ny1 > ny2)
            return false;
    }
    m_nX1 = nx1;
    m_nY1 = ny1;
    m_nX2 = nx2;
    m_nY2 = ny2;
    UpdateAllViews();
    return true;
}
