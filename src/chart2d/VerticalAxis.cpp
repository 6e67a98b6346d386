#include "chart2d/VerticalAxis.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/TickWalk.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "ticks/AxisTicks.h"

#include <algorithm>
#include <cmath>
#include <string>

namespace {

// The settings of one V axis: the left one's or the right one's.
struct VRange {
    double min, max, step;
    bool log;
    int limit;
};

struct VAxis {
    CDC& dc;
    const CPlotSettings& s;
    const CPageLayout& l;
    VRange range;
    CScaleMap map;  // the values' map, which the series use too
    double cw;      // character width of the labels
    bool right;     // the axis at the right of the plot

    // Left: a label right-justified in 12 characters ending one character left
    // of L; a wider number is drawn whole and ends there too. Right: a label
    // beginning one character right of R.
    void Label(double v, int top) const { LabelText(FormatAxisNumber(v, range.limit, false), top); }
    void LabelText(const std::string& text, int top) const
    {
        if (right) {
            // The blanks that right-justify a number are not drawn here.
            const std::size_t start = std::min(text.find_first_not_of(' '), text.size());
            dc.TextOut(int(l.m_nPlotRight + cw), top, text.substr(start));
        } else if (const auto left = TruncToInt(l.m_nPlotLeft - (double(text.size()) + 1) * cw)) {
            dc.TextOut(*left, top, text);
        }
    }

    // The grid line at y and, centred on it, the label of v.
    void Tick(double v, int y) const { TickText(FormatAxisNumber(v, range.limit, false), y); }
    void TickText(const std::string& text, int y) const
    {
        Line(y);
        if (const auto top = TruncToInt(cw, y))
            LabelText(text, *top);
    }

    // Left: a grid line across the plot. Right: a tick outside it, so that the
    // grid stays the left axis's.
    void Line(int y) const
    {
        dc.MoveTo(right ? l.m_nPlotRight : l.m_nPlotLeft, y);
        dc.LineTo(right ? int(l.m_nPlotRight + cw * 0.5) : l.m_nPlotRight, y);
    }

    void DrawEnds() const
    {
        Label(range.min, l.m_nPlotBottom + int(cw));
        Label(range.max, l.m_nPlotTop + int(cw));
    }

    void DrawLinear() const
    {
        ForEachLinearTick(range.min, range.max, range.step, [&](double v) {
            if (const auto y = map.ToPage(v))
                Tick(v, *y);
        });
    }

    // The rounded ticks over the axis from its floored start to its maximum.
    void DrawRound() const
    {
        const double low = range.log ? std::pow(10.0, map.Start()) : range.min;
        for (const AxisTick& tick : MakeTicks(range.log ? TickScale::Log : TickScale::Linear, low, range.max).ticks) {
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
        const double ten = right ? l.m_nPlotRight + cw : l.m_nPlotLeft - 5 * cw;
        ForEachDecadeTick(map.Start(), LogAxisEnd(range.max), [&](double lv, int e, int k) {
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
            dc.TextOut(int(ten), *ty, "10", 2);
            dc.TextOut(int(ten + 2 * cw), *exponentTop, std::to_string(e));
        });
    }

    void Draw() const
    {
        const CFont oldFont = dc.SelectObject(CFont{int(2 * cw), int(cw), false, s.m_strFontFace});
        if (!(range.min < range.max) || (!s.m_bRoundTicks && range.step == 0))
            DrawEnds();
        else if (s.m_bRoundTicks)
            DrawRound();
        else if (!range.log)
            DrawLinear();
        else
            DrawLogarithmic();
        dc.SelectObject(oldFont);
    }
};

}  // namespace

void DrawVerticalAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const VRange range{s.m_dVMin, s.m_dVMax, s.m_dVStep, s.m_bVLog, s.m_nVLimit};
    VAxis{dc, s, l, range, CScaleMap::Values(l), LabelCharWidth(l), false}.Draw();
}

void DrawRightAxis(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const VRange range{s.m_dV2Min, s.m_dV2Max, s.m_dV2Step, s.m_bV2Log, s.m_nV2Limit};
    VAxis{dc, s, l, range, CScaleMap::RightValues(l), LabelCharWidth(l), true}.Draw();
}
