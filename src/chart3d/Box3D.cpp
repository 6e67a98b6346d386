#include "chart3d/Box3D.h"

#include "chart3d/LabelWriter3D.h"
#include "chart3d/Projection3D.h"
#include "chart3d/ValueTicks3D.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "gfx/NumberText.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <optional>
#include <string>
#include <vector>

namespace {

using OptPoint = std::optional<CPoint>;

constexpr COLORREF kBoxColor = RGB(255, 0, 255);

// MoveTo the first point, LineTo each of the others; a line with an end that
// has no page point is left out.
void DrawOutline(CDC& dc, const OptPoint (&k)[8], const int (&order)[5])
{
    for (int n = 0; n < 5; ++n) {
        const OptPoint& p = k[order[n]];
        if (!p)
            continue;
        if (n > 0 && k[order[n - 1]])
            dc.LineTo(p->x, p->y);
        else
            dc.MoveTo(p->x, p->y);
    }
}

// The side that faces the viewer: A when the first-row face lies right of the
// last-row face. The row and value labels stand along a (bottom, first row),
// b (bottom, last row) and c (top, last row).
struct BoxSide {
    bool sideA;
    const OptPoint& a;
    const OptPoint& b;
    const OptPoint& c;
};

BoxSide SideOf(const OptPoint (&k)[8])
{
    const bool sideA = k[0] && k[4] && k[0]->x > k[4]->x;
    return sideA ? BoxSide{true, k[0], k[4], k[7]} : BoxSide{false, k[1], k[5], k[6]};
}

// Ticks along the edge b..c, labelled on the side of the row labels and clear
// of the last row's label at b, with "z" above c.
void DrawValueTicks(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const C3DProjection& proj,
                    const BoxSide& side, const CPen& pen, const C3DValueTicks* barTicks)
{
    const int cw = LabelCharWidth3D(dc);
    const long long edge = side.b && side.c ? std::llabs((long long)side.c->y - side.b->y) : 0;
    const int length = int(std::min<long long>(edge, INT_MAX));
    const C3DValueTicks own = barTicks ? C3DValueTicks() : C3DValueTicks(s.m_dVMin, s.m_dVMax, length, cw);
    const double col = side.sideA ? doc.m_nX1 : doc.m_nX2;
    const auto at = [&](double value) {
        const C3DPoint p = proj.ToView(col, doc.m_nY2, value);
        return proj.ToPage(p.X, p.Y);
    };
    std::vector<C3DRows> taken;
    if (side.b)
        taken.push_back({(long long)side.b->y - 2 * cw, side.b->y});
    const CPen oldPen = dc.SelectObject(pen);
    (barTicks ? *barTicks : own).Draw(dc, at, !side.sideA, taken);
    dc.SelectObject(oldPen);
    C3DLabelWriter{dc, cw}.Beside(side.c, !side.sideA, 3 * cw, "z");
}

// The lowest and highest value at the ends of the edge b..c, "z" beside its middle.
void DrawValueLabels(CDC& dc, const CPlotSettings& s, const BoxSide& side)
{
    const int cw = LabelCharWidth3D(dc);
    const C3DLabelWriter w{dc, cw};
    const bool right = !side.sideA;
    w.Beside(side.b, right, 2 * cw, FormatFixed(s.m_dVMin, s.m_nVLimit));
    w.Beside(side.c, right, 0, FormatFixed(s.m_dVMax, s.m_nVLimit));
    w.BesideMiddle(side.b, side.c, right, cw, "z");
}

// The first and last column along k0..k1 and the first and last row along a..b.
void DrawGridLabels(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const OptPoint (&k)[8],
                    const BoxSide& side)
{
    const C3DLabelWriter w{dc, LabelCharWidth3D(dc)};
    const bool colsRight = side.sideA;
    const bool rowsRight = !side.sideA;
    w.Beside(k[0], colsRight, 0, FormatFixed(double(doc.m_nX1), s.m_nHLimit));
    w.Beside(k[1], colsRight, 0, FormatFixed(double(doc.m_nX2), s.m_nHLimit));
    w.BesideMiddle(k[0], k[1], colsRight, 0, "x");
    w.Beside(side.a, rowsRight, 0, FormatFixed(doc.m_nY1 * s.m_dScaleY, s.m_nHLimit));
    w.Beside(side.b, rowsRight, 0, FormatFixed(doc.m_nY2 * s.m_dScaleY, s.m_nHLimit));
    w.BesideMiddle(side.a, side.b, rowsRight, 0, "y");
}

}  // namespace

void Draw3DBox(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const C3DProjection& proj,
               const C3DValueTicks* barTicks)
{
    if (doc.m_nX1 > doc.m_nX2 || doc.m_nY1 > doc.m_nY2)
        return;
    const int cw = LabelCharWidth3D(dc);
    const CPen pen{PS_SOLID, dc.m_bPrinting ? 5 : 2, kBoxColor};
    const CPen oldPen = dc.SelectObject(pen);
    C3DPoint view[8];
    proj.BoxCorners(doc, s, view);
    OptPoint k[8];
    for (int n = 0; n < 8; ++n)
        k[n] = proj.ToPage(view[n].X, view[n].Y);
    static constexpr int kOutlines[4][5] = {{0, 1, 2, 3, 0}, {4, 0, 3, 7, 4}, {1, 5, 6, 2, 1}, {5, 4, 7, 6, 5}};
    for (const auto& outline : kOutlines)
        DrawOutline(dc, k, outline);
    dc.SelectObject(oldPen);

    const CFont oldFont = dc.SelectObject(CFont{2 * cw, cw, false, s.m_strFontFace});
    const BoxSide side = SideOf(k);
    DrawGridLabels(dc, doc, s, k, side);
    if (s.m_bColorBar)
        DrawValueTicks(dc, doc, s, proj, side, pen, barTicks);
    else
        DrawValueLabels(dc, s, side);
    dc.SelectObject(oldFont);
}
