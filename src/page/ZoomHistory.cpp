#include "page/ZoomHistory.h"

#include "doc/SorvDoc.h"
#include "page/MouseZoom.h"
#include "settings/AxisCopy.h"
#include "settings/PlotSettings.h"

#include <bit>
#include <cstdint>

namespace {

bool SameBits(double a, double b)
{
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}

bool SameRegion(const CZoomState& state, const CDocSnapshot& doc)
{
    return state.m_nX1 == doc.m_nX1 && state.m_nY1 == doc.m_nY1 && state.m_nX2 == doc.m_nX2 &&
           state.m_nY2 == doc.m_nY2;
}

// The right V axis's range goes by the same names in the settings and the history.
template <class From, class To>
void CopyRightAxis(const From& from, To& to)
{
    to.m_dV2Min = from.m_dV2Min;
    to.m_dV2Max = from.m_dV2Max;
    to.m_dV2Step = from.m_dV2Step;
}

}  // namespace

CZoomState CZoomState::Of(const CDocSnapshot& doc, const CPlotSettings& s)
{
    CZoomState state;
    state.m_nX1 = doc.m_nX1;
    state.m_nY1 = doc.m_nY1;
    state.m_nX2 = doc.m_nX2;
    state.m_nY2 = doc.m_nY2;
    CopyAxes(s, state);
    CopyRightAxis(s, state);
    return state;
}

bool CZoomState::operator==(const CZoomState& o) const
{
    return m_nX1 == o.m_nX1 && m_nY1 == o.m_nY1 && m_nX2 == o.m_nX2 && m_nY2 == o.m_nY2 &&
           SameBits(m_dVMin, o.m_dVMin) && SameBits(m_dVMax, o.m_dVMax) && SameBits(m_dVStep, o.m_dVStep) &&
           SameBits(m_dHMin, o.m_dHMin) && SameBits(m_dHMax, o.m_dHMax) && SameBits(m_dHStep, o.m_dHStep) &&
           SameBits(m_dV2Min, o.m_dV2Min) && SameBits(m_dV2Max, o.m_dV2Max) && SameBits(m_dV2Step, o.m_dV2Step) &&
           m_bVLog == o.m_bVLog && m_bHLog == o.m_bHLog && m_bRoundTicks == o.m_bRoundTicks && m_nVLimit == o.m_nVLimit && m_nHLimit == o.m_nHLimit;
}

bool RestoreZoom(const CZoomState& state, CSorvDoc& doc, CPlotSettings& s)
{
    const bool changed = !(CZoomState::Of(doc, s) == state);
    // The axes after the region, which the windows' H axes follow.
    if (!SameRegion(state, doc)) {
        doc.SetRegion(0, 0, 0, 0);
        if (!SameRegion(state, doc))
            NarrowRegion(doc, state.m_nX1, state.m_nY1, state.m_nX2, state.m_nY2);
    }
    CopyAxes(state, s);
    CopyRightAxis(state, s);
    return changed;
}

void CZoomHistory::Record(const CZoomState& state)
{
    if (!m_entries.empty() && m_entries[m_nCurrent] == state)
        return;
    if (!m_entries.empty())
        m_entries.resize(m_nCurrent + 1);
    m_entries.push_back(state);
    if (m_entries.size() > m_nLimit)
        m_entries.erase(m_entries.begin());
    m_nCurrent = m_entries.size() - 1;
}

std::optional<CZoomState> CZoomHistory::Back()
{
    if (!CanGoBack())
        return std::nullopt;
    return m_entries[--m_nCurrent];
}

std::optional<CZoomState> CZoomHistory::Forward()
{
    if (!CanGoForward())
        return std::nullopt;
    return m_entries[++m_nCurrent];
}
