#include "chart3d/Box3D.h"

#include "chart3d/Projection3D.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "gfx/NumberText.h"
#include "gfx/PageInt.h"
#include "settings/PlotSettings.h"

#include <optional>
#include <string>

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

struct LabelWriter {
    CDC& dc;
    int cw;

    // The text right of p (one character gap) or left of it (ending one
    // character before p), raised by dy.
    void Beside(const OptPoint& p, bool right, int dy, const std::string& text) const
    {
        if (p)
            Beside(CPoint{p->x, p->y}, right, dy, text);
    }
    void Beside(CPoint p, bool right, int dy, const std::string& text) const
    {
        const long long n = (long long)text.size();
        const long long x = right ? (long long)p.x + cw : (long long)p.x - (n + 1) * cw;
        const std::optional<int> tx = AddInts(x, 0);
        const std::optional<int> ty = AddInts(p.y, dy);
        if (tx && ty)
            dc.TextOut(*tx, *ty, text);
    }
    // The same beside the middle of p and q.
    void BesideMiddle(const OptPoint& p, const OptPoint& q, bool right, int dy, const std::string& text) const
    {
        if (p && q)
            Beside(CPoint{int(((long long)p->x + q->x) / 2), int(((long long)p->y + q->y) / 2)}, right, dy, text);
    }
};

void DrawLabels(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const OptPoint (&k)[8], int cw)
{
    // Side A when the first-row face lies right of the last-row face.
    const bool sideA = k[0] && k[4] && k[0]->x > k[4]->x;
    const OptPoint& a = sideA ? k[0] : k[1];
    const OptPoint& b = sideA ? k[4] : k[5];
    const OptPoint& c = sideA ? k[7] : k[6];
    const bool colsRight = sideA;
    const bool rowsRight = !sideA;
    const LabelWriter w{dc, cw};
    w.Beside(k[0], colsRight, 0, FormatFixed(double(doc.m_nX1), s.m_nHLimit));
    w.Beside(k[1], colsRight, 0, FormatFixed(double(doc.m_nX2), s.m_nHLimit));
    w.BesideMiddle(k[0], k[1], colsRight, 0, "x");
    w.Beside(a, rowsRight, 0, FormatFixed(doc.m_nY1 * s.m_dScaleY, s.m_nHLimit));
    w.Beside(b, rowsRight, 0, FormatFixed(doc.m_nY2 * s.m_dScaleY, s.m_nHLimit));
    w.BesideMiddle(a, b, rowsRight, 0, "y");
    w.Beside(b, rowsRight, 2 * cw, FormatFixed(s.m_dVMin, s.m_nVLimit));
    w.Beside(c, rowsRight, 0, FormatFixed(s.m_dVMax, s.m_nVLimit));
    w.BesideMiddle(b, c, rowsRight, cw, "z");
}

}  // namespace

void Draw3DBox(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const C3DProjection& proj)
{
    if (doc.m_nX1 > doc.m_nX2 || doc.m_nY1 > doc.m_nY2)
        return;
    const int cw = dc.m_bPrinting ? 16 : 8;
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, dc.m_bPrinting ? 5 : 2, kBoxColor});

    const double cols[2] = {double(doc.m_nX1), double(doc.m_nX2)};
    const double rows[2] = {double(doc.m_nY1), double(doc.m_nY2)};
    const double values[2] = {s.m_dVMin, s.m_dVMax};
    // Corner n: column, row and value index (0 first/lowest, 1 last/highest).
    static constexpr int kCorner[8][3] = {{0, 0, 0}, {1, 0, 0}, {1, 0, 1}, {0, 0, 1},
                                          {0, 1, 0}, {1, 1, 0}, {1, 1, 1}, {0, 1, 1}};
    OptPoint k[8];
    for (int n = 0; n < 8; ++n) {
        const C3DPoint p = proj.ToView(cols[kCorner[n][0]], rows[kCorner[n][1]], values[kCorner[n][2]]);
        k[n] = proj.ToPage(p.X, p.Y);
    }
    static constexpr int kOutlines[4][5] = {{0, 1, 2, 3, 0}, {4, 0, 3, 7, 4}, {1, 5, 6, 2, 1}, {5, 4, 7, 6, 5}};
    for (const auto& outline : kOutlines)
        DrawOutline(dc, k, outline);
    dc.SelectObject(oldPen);

    const CFont oldFont = dc.SelectObject(CFont{2 * cw, cw, false, s.m_strFontFace});
    DrawLabels(dc, doc, s, k, cw);
    dc.SelectObject(oldFont);
}
