#include "gfx/SpanRun.h"

namespace {

// Single points kept at most before the run must end.
constexpr std::size_t kMaxPoints = 4096;

}  // namespace

bool CSpanRun::Start(const CPoint* points, int count)
{
    int low = 0, high = 0;
    if (!Extent(points, count, points[0].x, low, high))
        return false;
    m_x = points[0].x;
    return Join(low, high);
}

// A span or point at the run's x: joins the run where it overlaps it.
bool CSpanRun::Join(int low, int high)
{
    if (low == high) {
        if (m_points.size() >= kMaxPoints)
            return false;
        if (m_points.empty() || m_points.back() != low)
            m_points.push_back(low);
    } else if (!m_bSpan) {
        m_bSpan = true;
        m_yLow = low;
        m_yHigh = high;
    } else if (low <= m_yHigh && high >= m_yLow) {
        m_yLow = std::min(m_yLow, low);
        m_yHigh = std::max(m_yHigh, high);
    } else {
        return false;
    }
    return true;
}

void CSpanRun::Finish(std::vector<CLine>& out)
{
    if (m_bSpan)
        out.push_back({{m_x, m_yLow}, {m_x, m_yHigh}});
    std::sort(m_points.begin(), m_points.end());
    m_points.erase(std::unique(m_points.begin(), m_points.end()), m_points.end());
    for (int y : m_points)
        out.push_back({{m_x, y}, {m_x, y}});
    m_points.clear();
    m_bSpan = false;
}
