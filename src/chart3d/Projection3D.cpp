#include "chart3d/Projection3D.h"

#include "doc/DocSnapshot.h"
#include "gfx/PageInt.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <cmath>

namespace {

// Page units per grid step along one side; none for a side without steps.
double FitCandidate(int size, double steps)
{
    return steps > 0.0 ? size / steps : INFINITY;
}

// Model height per value unit: the value range spans nc x m_dScaleZ, or when
// fitted a share of the box's longer side. An empty value range has no
// height: the surface lies flat. An inverted one keeps its height, m_dVMin
// still at the bottom.
double ValueScale(const CPlotSettings& s, double nc, double nr, double range)
{
    if (range == 0.0)
        return 0.0;
    const double side = s.m_bScaleZFit ? std::max(nc, nr * s.m_dScaleY) : nc;
    const double scale = side / range * (s.m_bScaleZFit ? s.m_dScaleZFit : s.m_dScaleZ);
    return std::isfinite(scale) ? scale : 0.0;
}

// Page units per view unit that bring extent view units within half page units.
double FitHalf(double half, double extent)
{
    return extent > 0.0 ? half / extent : INFINITY;
}

}  // namespace

void C3DProjection::Init(const CPlotSettings& s, const CDocSnapshot& doc, int pageWidth, int pageHeight)
{
    // Step counts in double: no int overflow whatever the region holds.
    const double nc = double(doc.m_nX2) - double(doc.m_nX1);
    const double nr = double(doc.m_nY2) - double(doc.m_nY1);
    const double range = s.m_dVMax - s.m_dVMin;

    m_dCenterCol = doc.m_nX1 + nc * 0.5;
    m_dCenterRow = doc.m_nY1 + nr * s.m_dScaleY * 0.5;
    m_dCenterValue = s.m_dVMin + range * 0.5;
    m_dValueScale = ValueScale(s, nc, nr, range);
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

void C3DProjection::BoxCorners(const CDocSnapshot& doc, const CPlotSettings& s, C3DPoint (&corners)[8]) const
{
    const double cols[2] = {double(doc.m_nX1), double(doc.m_nX2)};
    const double rows[2] = {double(doc.m_nY1), double(doc.m_nY2)};
    const double values[2] = {s.m_dVMin, s.m_dVMax};
    // Corner n: column, row and value index (0 first/lowest, 1 last/highest).
    static constexpr int kCorner[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                                          {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    for (int n = 0; n < 8; ++n)
        corners[n] = ToView(cols[kCorner[n][0]], rows[kCorner[n][1]], values[kCorner[n][2]]);
}

void C3DProjection::FitBox(const C3DPoint (&corners)[8], double halfWidth, double halfHeight, double zoom)
{
    double x = 0.0;
    double y = 0.0;
    for (const C3DPoint& p : corners) {
        x = std::max(x, std::abs(p.X));
        y = std::max(y, std::abs(p.Y));
    }
    const double scale = std::min(FitHalf(halfWidth, x), FitHalf(halfHeight, y)) * zoom;
    if (std::isfinite(scale) && scale > 0.0)
        m_dScale = scale;
}
