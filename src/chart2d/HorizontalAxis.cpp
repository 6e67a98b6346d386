#include "chart2d/HorizontalAxis.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/TickWalk.h"
#include "doc/ColumnLabels.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <cmath>
#include <string>

namespace {

struct HAxis {
    CDC& dc;
    const CPlotSettings& s;
    const CPageLayout& l;
    const CColumnLabels& columns;
    // The labels' own map of m_dHMin..m_dHMax over the plot's width; the
    // columns of the data have theirs.
    CScaleMap map;
    double hh;  // font height
    double hw;  // character width
    int ly;     // top of the labels, hanging below B

    // n bytes of text centred on x.
    void Centred(const char* text, int n, int x) const
    {
        if (const auto left = TruncToInt(n * hw * -0.5, x))
            dc.TextOut(*left, ly, text, n);
    }

    // A label centred on x, its trailing blanks not drawn.
    void Label(double v, int x) const
    {
        const std::string text = FormatAxisNumber(v, s.m_nHLimit, true);
        Centred(text.data(), GetLabelLength(text.c_str()), x);
    }

    // The label of column v when v is one, else the number.
    void EndLabel(double v, int x) const
    {
        if (!(v >= 0 && v < double(columns.Count()) && v == std::floor(v)))
            return Label(v, x);
        const std::string_view text = columns.Label(std::size_t(v));
        Centred(text.data(), int(text.size()), x);
    }

    void Line(int x) const
    {
        dc.MoveTo(x, l.m_nPlotBottom);
        dc.LineTo(x, l.m_nPlotTop);
    }

    void DrawEnds() const
    {
        EndLabel(s.m_dHMin, l.m_nPlotLeft);
        EndLabel(s.m_dHMax, l.m_nPlotRight);
    }

    void DrawLinear() const
    {
        ForEachLinearTick(s.m_dHMin, s.m_dHMax, s.m_dHStep, [&](double v) {
            if (const auto x = map.ToPage(v)) {
                Line(*x);
                Label(v, *x);
            }
        });
    }

    // Decade labels on a lowered line: "10" ends on the grid line and the
    // raised exponent begins there.
    void DrawLogarithmic() const
    {
        const int ly2 = ly + int(hh * -0.25);
        ForEachDecadeTick(map.Start(), LogAxisEnd(s.m_dHMax), [&](double lv, int e, int k) {
            const auto x = map.PageOfPosition(lv);
            if (!x)
                return;
            Line(*x);
            const auto tenLeft = TruncToInt(-2 * hw, *x);
            if (k != 1 || !tenLeft)
                return;
            dc.TextOut(*tenLeft, ly2, "10", 2);
            dc.TextOut(*x, ly2 + int(0.5 * hh), std::to_string(e));
        });
    }
};

}  // namespace

void DrawHorizontalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& l, const CColumnLabels& columns)
{
    const double b = l.m_nPlotBottom * 0.5;
    const double hh = b < 2.0 ? 2.0 : b;
    const double hw = hh * 0.5;
    const CScaleMap map = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, s.m_dHMin, s.m_dHMax, s.m_bHLog);
    const HAxis axis{dc, s, l, columns, map, hh, hw, int(l.m_nPlotBottom - hw)};
    const CFont oldFont = dc.SelectObject(CFont{int(hh), int(hw), false, s.m_strFontFace});
    if (!(s.m_dHMin < s.m_dHMax) || s.m_dHStep == 0)
        axis.DrawEnds();
    else if (!s.m_bHLog)
        axis.DrawLinear();
    else
        axis.DrawLogarithmic();
    dc.SelectObject(oldFont);
}
