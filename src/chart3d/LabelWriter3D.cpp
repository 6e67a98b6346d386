#include "chart3d/LabelWriter3D.h"

#include "gfx/DC.h"
#include "gfx/PageInt.h"

int LabelCharWidth3D(const CDC& dc)
{
    return dc.m_bPrinting ? 16 : 8;
}

void C3DLabelWriter::Beside(const std::optional<CPoint>& p, bool right, int dy, const std::string& text) const
{
    if (p)
        Beside(*p, right, dy, text);
}

void C3DLabelWriter::Beside(CPoint p, bool right, int dy, const std::string& text) const
{
    const long long n = (long long)text.size();
    const long long x = right ? (long long)p.x + cw : (long long)p.x - (n + 1) * cw;
    const std::optional<int> tx = AddInts(x, 0);
    const std::optional<int> ty = AddInts(p.y, dy);
    if (tx && ty)
        dc.TextOut(*tx, *ty, text);
}

void C3DLabelWriter::BesideMiddle(const std::optional<CPoint>& p, const std::optional<CPoint>& q, bool right,
                                  int dy, const std::string& text) const
{
    if (p && q)
        Beside(CPoint{int(((long long)p->x + q->x) / 2), int(((long long)p->y + q->y) / 2)}, right, dy, text);
}
