#include "chart2d/HorizontalAxis.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/TickWalk.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <string>

namespace {

struct HAxis {
    CDC& dc;
    const CPlotSettings& s;
    const CPageLayout& l;
    // The labels' own map of m_dHMin..m_dHMax over the plot's width; the
    // columns of the data have theirs.
    CScaleMap map;
    double hh;  // font height
    double hw;  // character width
    int ly;     // top of the labels, hanging below B

    // A label centred on x, its trailing blanks not drawn.
    void Label(double v, int x) const
    {
        const std::string text = FormatAxisNumber(v, s.m_nHLimit, true);
        const int n = GetLabelLength(text.c_str());
        if (const auto left = TruncToInt(n * hw * -0.5, x))
            dc.TextOut(*left, ly, text.data(), n);
    }

    void Line(int x) const
    {
        dc.MoveTo(x, l.m_nPlotBottom);
        dc.LineTo(x, l.m_nPlotTop);
    }

    void DrawEnds() const
    {
        Label(s.m_dHMin, l.m_nPlotLeft);
        Label(s.m_dHMax, l.m_nPlotRight);
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

void DrawHorizontalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const double b = l.m_nPlotBottom * 0.5;
    const double hh = b < 2.0 ? 2.0 : b;
    const double hw = hh * 0.5;
    const CScaleMap map = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, s.m_dHMin, s.m_dHMax, s.m_bHLog);
    const HAxis axis{dc, s, l, map, hh, hw, int(l.m_nPlotBottom - hw)};
    const CFont oldFont = dc.SelectObject(CFont{int(hh), int(hw), false, s.m_strFontFace});
    if (!(s.m_dHMin < s.m_dHMax) || s.m_dHStep == 0)
        axis.DrawEnds();
    else if (!s.m_bHLog)
        axis.DrawLinear();
    else
        axis.DrawLogarithmic();
    dc.SelectObject(oldFont);
}
