#include "gfx/LineRun.h"

#include <algorithm>
#include <array>
#include <utility>

void CLineRun::Start(CPoint from, std::vector<CLine>& out)
{
    Finish(out);
    m_bActive = true;
    m_ptEnd = from;
}

void CLineRun::AddOther(CPoint to, std::vector<CLine>& out)
{
    if (to.x != m_ptEnd.x) {
        // Leaves the column: the column is complete, and this line is kept.
        EndColumn(out);
        out.push_back({m_ptEnd, to});
        m_ptEnd = to;
        return;
    }
    if (!m_bVertical) {
        // The column's first vertical line is drawn at once, so that a chain of
        // a few lines (a frame) leaves nothing behind.
        out.push_back({m_ptEnd, to});
        m_bVertical = true;
        m_ptEnd = to;
        return;
    }
    // The second: the column's points start gathering.
    m_nPoints = 1;
    m_yFirst = m_yLow = m_yHigh = m_ptEnd.y;
    m_nLow = m_nHigh = 0;
    AddToColumn(to);
}

void CLineRun::EndColumn(std::vector<CLine>& out)
{
    m_bVertical = false;
    if (m_nPoints == 0)
        return;
    const int x = m_ptEnd.x;
    // First, lowest, highest, last in the order the chain visited them.
    std::array<std::pair<int, int>, 4> kept = {
        {{0, m_yFirst}, {m_nLow, m_yLow}, {m_nHigh, m_yHigh}, {m_nPoints - 1, m_ptEnd.y}}};
    std::sort(kept.begin(), kept.end());
    int y = kept[0].second;
    for (std::size_t i = 1; i < kept.size(); ++i) {
        if (kept[i].second == y)
            continue;  // no zero-length line the chain did not draw
        out.push_back({{x, y}, {x, kept[i].second}});
        y = kept[i].second;
    }
    std::sort(m_still.begin(), m_still.end());
    m_still.erase(std::unique(m_still.begin(), m_still.end()), m_still.end());
    for (int still : m_still)
        out.push_back({{x, still}, {x, still}});
    m_still.clear();
    m_nPoints = 0;
}

void CLineRun::Finish(std::vector<CLine>& out)
{
    if (m_bActive)
        EndColumn(out);
    m_bActive = false;
}
