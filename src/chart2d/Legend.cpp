#include "chart2d/Legend.h"

#include "chart2d/AxisLabel.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <algorithm>

namespace {

// Where the entries go: a the character width, h the side of a swatch, n
// entries 1.5 h apart from T down to B.
struct LegendGrid {
    double a;
    double h;
    int n;

    LegendGrid(const CDocSnapshot& doc, const CPageLayout& l) : a(LabelCharWidth(l)), h(2 * a), n(0)
    {
        if (doc->m_pLabels)
            n = std::min(doc->m_nRows, int((double(l.m_nPlotTop) - l.m_nPlotBottom) / (1.5 * h)));
    }
    int Left(const CPageLayout& l) const { return int(l.m_nPlotRight + l.m_nRightAxisWidth + h); }
    int Top(const CPageLayout& l, int i) const { return int(l.m_nPlotTop - 1.5 * i * h); }
};

// A quarter of the colour over the background: a hidden series.
COLORREF Faint(COLORREF color, COLORREF background)
{
    const auto mix = [](int c, int b) { return (c + 3 * b) / 4; };
    return RGB(mix(GetRValue(color), GetRValue(background)), mix(GetGValue(color), GetGValue(background)),
               mix(GetBValue(color), GetBValue(background)));
}

// The swatch of a series on the right V axis: a triangle pointing there.
void DrawRightSwatch(CDC& dc, int x0, int y0, int x1, int y1)
{
    const CPoint points[3] = {{x0, y0}, {x1, (y0 + y1) / 2}, {x0, y1}};
    dc.Polygon(points, 3);
}

}  // namespace

void DrawLegend(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const LegendGrid grid(doc, l);
    const double h = grid.h;
    const CFont oldFont = dc.SelectObject(CFont{int(2 * grid.a), int(grid.a), false, s.m_strFontFace});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, 0});
    const COLORREF text = dc.GetTextColor();
    for (int i = 0; i < grid.n; ++i) {
        const CSeriesStyle& style = StyleOf(s, i);
        const COLORREF color = SeriesColor(s, i);
        const CBrush oldBrush =
            dc.SelectObject(CBrush{style.m_bHidden ? Faint(color, s.m_crBackground) : color});
        const int x0 = grid.Left(l);
        const int y0 = grid.Top(l, i);
        if (style.m_bRightAxis)
            DrawRightSwatch(dc, x0, y0, int(x0 + h), int(y0 - h));
        else
            dc.Rectangle(x0, y0, int(x0 + h), int(y0 - h));
        dc.SelectObject(oldBrush);
        if (style.m_bHidden)
            dc.SetTextColor(Faint(text, s.m_crBackground));
        const std::string& label = doc->m_pLabels[i];
        dc.TextOut(x0 + int(1.5 * h), y0, label.data(), std::min(int(label.size()), 12));
        if (style.m_bHidden)
            dc.SetTextColor(text);
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}

std::optional<int> LegendEntryAt(const CDocSnapshot& doc, const CPageLayout& l, int x, int y)
{
    if (!l.m_bLegend || l.m_bPrinted)
        return std::nullopt;
    const LegendGrid grid(doc, l);
    const int left = grid.Left(l);
    if (x < left || x > left + 1.5 * grid.h + 12 * grid.a)
        return std::nullopt;
    for (int i = 0; i < grid.n; ++i) {
        const int top = grid.Top(l, i);
        if (y <= top && y >= top - grid.h)
            return i;
    }
    return std::nullopt;
}
