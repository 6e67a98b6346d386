#include "page/RotateDrag.h"

#include "settings/ViewCommands.h"

#include <cmath>

namespace {

// An angle brought into 0..360; one already there stays as it is (360 too).
double Wrap(double a)
{
    if (a >= 0.0 && a <= 360.0)
        return a;
    a = std::fmod(a, 360.0);
    return a < 0.0 ? a + 360.0 : a;
}

}  // namespace

void CRotateDrag::Begin(CPoint start, const CPlotSettings& s)
{
    m_bActive = true;
    m_ptStart = start;
    m_dRotX = s.m_dRotX;
    m_dRotY = s.m_dRotY;
}

void CRotateDrag::MoveTo(CPoint p, CPlotSettings& s) const
{
    // Client y grows downward.
    const double x = m_dRotX - (double(p.y) - m_ptStart.y) * kDegreesPerPixel;
    const double y = m_dRotY + (double(p.x) - m_ptStart.x) * kDegreesPerPixel;
    SetRotation(s, Wrap(x), Wrap(y), s.m_dRotZ);
}
