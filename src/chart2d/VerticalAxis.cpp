#include "chart2d/VerticalAxis.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/TickWalk.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "ticks/AxisTicks.h"

#include <cmath>
#include <string>

namespace {

struct VAxis {
    CDC& dc;
    const CPlotSettings& s;
    const CPageLayout& l;
    CScaleMap map;  // the values' map, which the series use too
    double cw;      // character width of the labels

    // A label right-justified in 12 characters ending one character left of L;
    // a wider number is drawn whole and ends there too.
    void Label(double v, int top) const { LabelText(FormatAxisNumber(v, s.m_nVLimit, false), top); }
    void LabelText(const std::string& text, int top) const
    {
        if (const auto left = TruncToInt(l.m_nPlotLeft - (double(text.size()) + 1) * cw))
            dc.TextOut(*left, top, text);
    }

    // The grid line at y and, centred on it, the label of v.
    void Tick(double v, int y) const { TickText(FormatAxisNumber(v, s.m_nVLimit, false), y); }
    void TickText(const std::string& text, int y) const
    {
        Line(y);
        if (const auto top = TruncToInt(cw, y))
            LabelText(text, *top);
    }

    void Line(int y) const
    {
        dc.MoveTo(l.m_nPlotLeft, y);
        dc.LineTo(l.m_nPlotRight, y);
    }

    void DrawEnds() const
    {
        Label(s.m_dVMin, l.m_nPlotBottom + int(cw));
        Label(s.m_dVMax, l.m_nPlotTop + int(cw));
    }

    void DrawLinear() const
    {
        ForEachLinearTick(s.m_dVMin, s.m_dVMax, s.m_dVStep, [&](double v) {
            if (const auto y = map.ToPage(v))
                Tick(v, *y);
        });
    }

    // The rounded ticks over the axis from its floored start to m_dVMax.
    void DrawRound() const
    {
        const double low = s.m_bVLog ? std::pow(10.0, map.Start()) : s.m_dVMin;
        for (const AxisTick& tick : MakeTicks(s.m_bVLog ? TickScale::Log : TickScale::Linear, low, s.m_dVMax).ticks) {
            const auto y = map.ToPage(tick.value);
            if (y && tick.label.empty())
                Line(*y);
            else if (y)
                TickText(tick.label, *y);
        }
    }

    // Grid lines at 1..9 times each power of ten; "10" with a raised exponent at each power.
    void DrawLogarithmic() const
    {
        ForEachDecadeTick(map.Start(), LogAxisEnd(s.m_dVMax), [&](double lv, int e, int k) {
            const auto y = map.PageOfPosition(lv);
            if (!y)
                return;
            Line(*y);
            if (k != 1)
                return;
            const auto ty = TruncToInt(*y + cw);
            const auto exponentTop = ty ? TruncToInt(*ty + cw) : std::nullopt;
            if (!exponentTop)
                return;
            dc.TextOut(int(l.m_nPlotLeft - 5 * cw), *ty, "10", 2);
            dc.TextOut(int(l.m_nPlotLeft - 3 * cw), *exponentTop, std::to_string(e));
        });
    }
};

}  // namespace

void DrawVerticalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const VAxis axis{dc, s, l, CScaleMap::Values(l), LabelCharWidth(l)};
    const CFont oldFont = dc.SelectObject(CFont{int(2 * axis.cw), int(axis.cw), false, s.m_strFontFace});
    if (!(s.m_dVMin < s.m_dVMax) || (!s.m_bRoundTicks && s.m_dVStep == 0))
        axis.DrawEnds();
    else if (s.m_bRoundTicks)
        axis.DrawRound();
    else if (!s.m_bVLog)
        axis.DrawLinear();
    else
        axis.DrawLogarithmic();
    dc.SelectObject(oldFont);
}
