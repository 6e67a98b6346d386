#include "chart3d/Projection3D.h"

#include "doc/SorvDoc.h"
#include "gfx/PageInt.h"
#include "settings/PlotSettings.h"

#include <cmath>

namespace {

// Page units per grid step along one side; none for a side without steps.
double FitCandidate(int size, double steps)
{
    return steps > 0.0 ? size / steps : INFINITY;
}

}  // namespace

void C3DProjection::Init(const CPlotSettings& s, const CSorvDoc& doc, int pageWidth, int pageHeight)
{
    // Step counts in double: no int overflow whatever the region holds.
    const double nc = double(doc.m_nX2) - double(doc.m_nX1);
    const double nr = double(doc.m_nY2) - double(doc.m_nY1);
    const double range = s.m_dVMax - s.m_dVMin;

    m_dCenterCol = doc.m_nX1 + nc * 0.5;
    m_dCenterRow = doc.m_nY1 + nr * s.m_dScaleY * 0.5;
    m_dCenterValue = s.m_dVMin + range * 0.5;
    // An empty value range has no height: the surface lies flat. An inverted
    // one keeps its height, m_dVMin still at the bottom.
    m_dValueScale = range != 0.0 ? nc / range * s.m_dScaleZ : 0.0;
    if (!std::isfinite(m_dValueScale))
        m_dValueScale = 0.0;
    m_dScaleY = s.m_dScaleY;

    const double k = std::atan2(1.0, 1.0) * (1.0 / 45.0);
    const double a = s.m_dRotX * k;
    const double b = s.m_dRotY * k;
    const double c = s.m_dRotZ * k;
    const double sa = std::sin(a), ca = std::cos(a);
    const double sb = std::sin(b), cb = std::cos(b);
    const double sc = std::sin(c), cc = std::cos(c);
    m_dRot[0][0] = cc * cb - sa * sc * sb;
    m_dRot[0][1] = cc * sb + sa * sc * cb;
    m_dRot[0][2] = -sc * ca;
    m_dRot[1][0] = sc * cb + sa * cc * sb;
    m_dRot[1][1] = sc * sb - sa * cc * cb;
    m_dRot[1][2] = cc * ca;
    m_dRot[2][0] = -sb * ca;
    m_dRot[2][1] = cb * ca;
    m_dRot[2][2] = sa;

    // A single column, row or cell has no steps along a side; that side then
    // takes no part in the fit, and without any step the page counts as one.
    const int w = pageWidth;
    const int h = pageHeight;
    double sW = FitCandidate(w, nc);
    double sH = FitCandidate(h, nr);
    if (std::isinf(sW) && std::isinf(sH)) {
        sW = w;
        sH = h;
    }
    m_dScale = (sW < sH ? sW : sH) * s.m_dZoom;
    m_nOriginX = w / 2;
    m_nOriginY = h / 2;
}

std::optional<CPoint> C3DProjection::ToPage(double X, double Y) const
{
    const std::optional<int> px = TruncToInt(m_dScale * X, m_nOriginX);
    const std::optional<int> py = TruncToInt(m_dScale * Y, m_nOriginY);
    if (!px || !py)
        return std::nullopt;
    return CPoint{*px, *py};
}
