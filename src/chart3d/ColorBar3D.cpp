#include "chart3d/ColorBar3D.h"

#include "chart3d/Tables3D.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PlotSettings.h"

#include <cmath>

C3DColorBar::C3DColorBar(const CPlotSettings& s, int pageWidth, int pageHeight, int cw)
    : m_dVMin(s.m_dVMin), m_dRange(s.m_dVMax - s.m_dVMin), m_nPageWidth(pageWidth),
      m_nBottom(int(pageHeight * 0.15)), m_nTop(int(pageHeight * 0.8)), m_cw(cw)
{
    const bool colours = s.m_nModel == 2 || s.m_nModel == 3;
    if (!s.m_bColorBar || !colours || !(m_dRange > 0.0) || !std::isfinite(m_dRange))
        return;
    const int length = m_nTop - m_nBottom;
    m_ticks = C3DValueTicks(s.m_dVMin, s.m_dVMax, length, cw);
    // Gap, bar, mark and gap, labels, margin.
    const long long strip = (5LL + m_ticks.LongestLabel()) * cw;
    m_nStripLeft = int(pageWidth - std::min<long long>(strip, pageWidth));
    m_nLeft = m_nStripLeft + cw;
    m_nRight = m_nLeft + 2 * cw;
    m_bShown = !m_ticks.Ticks().empty() && length >= 4 * cw && strip * 3 <= pageWidth;
}

void C3DColorBar::Draw(CDC& dc, const CPlotSettings& s) const
{
    if (!m_bShown)
        return;
    DrawRamp(dc);
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    DrawFrame(dc);
    const CFont oldFont = dc.SelectObject(CFont{2 * m_cw, m_cw, false, s.m_strFontFace});
    m_ticks.Draw(dc, [this](double v) { return TickPoint(v); }, true, {});
    dc.SelectObject(oldFont);
    dc.SelectObject(oldPen);
}

// One rectangle for each run of rows whose values fall on the same ramp
// index, each row taking the value at its middle.
void C3DColorBar::DrawRamp(CDC& dc) const
{
    const int length = m_nTop - m_nBottom;
    const auto indexAt = [&](int row) {
        return RampIndex(m_dVMin + (row + 0.5) / length * m_dRange, m_dVMin, m_dRange);
    };
    const CPen oldPen = dc.SelectObject(CPen{});
    const CBrush oldBrush = dc.SelectObject(CBrush{});
    for (int from = 0; from < length;) {
        const int index = indexAt(from);
        int to = from + 1;
        while (to < length && indexAt(to) == index)
            ++to;
        const COLORREF color = RampColor(index);
        dc.SelectObject(CPen{PS_SOLID, 0, color});
        dc.SelectObject(CBrush{color});
        dc.Rectangle(m_nLeft, m_nBottom + to, m_nRight, m_nBottom + from);
        from = to;
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

void C3DColorBar::DrawFrame(CDC& dc) const
{
    const CPoint frame[5] = {
        {m_nLeft, m_nBottom}, {m_nRight, m_nBottom}, {m_nRight, m_nTop}, {m_nLeft, m_nTop}, {m_nLeft, m_nBottom}};
    dc.Polyline(frame, 5);
}

std::optional<CPoint> C3DColorBar::TickPoint(double value) const
{
    const std::optional<int> y = TruncToInt((value - m_dVMin) / m_dRange * (m_nTop - m_nBottom), m_nBottom);
    if (!y)
        return std::nullopt;
    return CPoint{m_nRight, *y};
}
