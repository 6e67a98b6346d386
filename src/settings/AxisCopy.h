#pragma once
// The axis settings go by the same names wherever they are kept (the
// chart settings, the Axis dialog, the zoom history), so one copy serves
// every pair of them, in either direction.

template <class From, class To>
void CopyAxes(const From& from, To& to)
{
    to.m_dVMin = from.m_dVMin;
    to.m_dVMax = from.m_dVMax;
    to.m_dVStep = from.m_dVStep;
    to.m_dHMin = from.m_dHMin;
    to.m_dHMax = from.m_dHMax;
    to.m_dHStep = from.m_dHStep;
    to.m_bVLog = from.m_bVLog;
    to.m_bHLog = from.m_bHLog;
    to.m_bRoundTicks = from.m_bRoundTicks;
    // Signed in the settings, unsigned in the dialog; 0..9 either way.
    to.m_nVLimit = static_cast<decltype(to.m_nVLimit)>(from.m_nVLimit);
    to.m_nHLimit = static_cast<decltype(to.m_nHLimit)>(from.m_nHLimit);
}
