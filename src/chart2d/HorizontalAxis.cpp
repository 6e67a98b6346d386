#include "chart2d/HorizontalAxis.h"

#include "chart2d/AxisLabel.h"
#include "chart2d/HAxisRange.h"
#include "chart2d/ScaleMap.h"
#include "chart2d/TickWalk.h"
#include "doc/DateTime.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"
#include "ticks/AxisTicks.h"

#include <climits>
#include <cmath>
#include <string>

namespace {

struct HAxis {
    CDC& dc;
    const CDocSnapshot& doc;
    const CPlotSettings& s;
    const CPageLayout& l;
    const CHAxisRange& h;
    // The labels' own map of h.min..h.max over the plot's width; the columns
    // of the data have theirs.
    CScaleMap map;
    double hh;  // font height
    double hw;  // character width
    int ly;     // top of the labels, hanging below B

    // The axis counts columns (not x values): a column's label may stand for its number.
    bool CountsColumns() const { return h.placement != HPlacement::XValues; }

    // n bytes of text centred on x.
    void Centred(const char* text, int n, int x) const
    {
        if (const auto left = TruncToInt(n * hw * -0.5, x))
            dc.TextOut(*left, ly, text, n);
    }

    // A label centred on x, its trailing blanks not drawn; a date-time as text.
    void Label(double v, int x) const
    {
        const std::string text = h.time ? FormatDateTime(v) : FormatAxisNumber(v, s.m_nHLimit, true);
        Centred(text.data(), GetLabelLength(text.c_str()), x);
    }

    // The label of column v where the file named the columns.
    std::optional<std::string_view> ColumnLabel(double v) const
    {
        const CColumnLabels& columns = doc->m_columnLabels;
        if (!CountsColumns() || !(v >= 0 && v < double(columns.Count()) && v == std::floor(v)))
            return std::nullopt;
        return columns.Label(std::size_t(v));
    }

    void EndLabel(double v, int x) const
    {
        const auto text = ColumnLabel(v);
        if (!text)
            return Label(v, x);
        Centred(text->data(), int(text->size()), x);
    }

    void Line(int x) const
    {
        dc.MoveTo(x, l.m_nPlotBottom);
        dc.LineTo(x, l.m_nPlotTop);
    }

    void DrawEnds() const
    {
        EndLabel(h.min, l.m_nPlotLeft);
        EndLabel(h.max, l.m_nPlotRight);
    }

    void DrawLinear() const
    {
        ForEachLinearTick(h.min, h.max, s.m_dHStep, [&](double v) {
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
        ForEachDecadeTick(map.Start(), LogAxisEnd(h.max), [&](double lv, int e, int k) {
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

    TickSet RoundTicks() const
    {
        const TickScale scale = h.time ? TickScale::Time : h.log ? TickScale::Log : TickScale::Linear;
        const double low = h.log ? std::pow(10.0, map.Start()) : h.min;
        return MakeTicks(scale, low, h.max);
    }

    // Every tick a grid line; a label where it does not run into the one
    // before. An axis of columns ticks whole columns only.
    std::string DrawRound() const
    {
        const TickSet ticks = RoundTicks();
        long long free = LLONG_MIN;  // where the next label may begin
        for (const AxisTick& tick : ticks.ticks) {
            if (CountsColumns() && tick.value != std::floor(tick.value))
                continue;
            const auto x = map.ToPage(tick.value);
            if (!x)
                continue;
            Line(*x);
            const std::string_view text = ColumnLabel(tick.value).value_or(tick.label);
            const long long left = *x - (long long)(text.size() * hw * 0.5);
            if (text.empty() || left < free)
                continue;
            Centred(text.data(), int(text.size()), *x);
            free = left + (long long)((text.size() + 1) * hw);
        }
        return ticks.context;
    }

    // The x values' name, and what a time axis's labels leave out, centred
    // under the plot below the labels.
    void DrawTitle(const std::string& context) const
    {
        std::string text = doc->m_x.Name();
        if (!context.empty())
            text += text.empty() ? context : "  (" + context + ")";
        const double middle = (double(l.m_nPlotLeft) + l.m_nPlotRight) * 0.5;
        if (const auto left = TruncToInt(middle - text.size() * hw * 0.5))
            dc.TextOut(*left, int(ly - hh - hw * 0.5), text);
    }
};

}  // namespace

bool HasHorizontalTitle(const CDocSnapshot& doc, const CHAxisRange& h)
{
    return h.placement == HPlacement::XValues && (h.time || !doc->m_x.Name().empty());
}

void DrawHorizontalAxis(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, const CPageLayout& l,
                        const CHAxisRange& h)
{
    // The labels are as large as a plot without a title line has them.
    const double hh = HLabelHeight(l);
    const double hw = hh * 0.5;
    const CScaleMap map = CScaleMap::Fit(l.m_nPlotLeft, l.m_nPlotRight, h.min, h.max, h.log);
    const HAxis axis{dc, doc, s, l, h, map, hh, hw, int(l.m_nPlotBottom - hw)};
    const CFont oldFont = dc.SelectObject(CFont{int(hh), int(hw), false, s.m_strFontFace});
    std::string context;
    if (!(h.min < h.max) || (!s.m_bRoundTicks && s.m_dHStep == 0))
        axis.DrawEnds();
    else if (s.m_bRoundTicks)
        context = axis.DrawRound();
    else if (!h.log)
        axis.DrawLinear();
    else
        axis.DrawLogarithmic();
    if (HasHorizontalTitle(doc, h))
        axis.DrawTitle(context);
    dc.SelectObject(oldFont);
}
