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
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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

    // The label of tick and the page x it is centred on; nothing for a tick
    // off the page or between columns on an axis of columns.
    std::optional<std::pair<std::string_view, int>> Placed(const AxisTick& tick) const
    {
        if (CountsColumns() && tick.value != std::floor(tick.value))
            return std::nullopt;
        const auto x = map.ToPage(tick.value);
        if (!x)
            return std::nullopt;
        return std::make_pair(ColumnLabel(tick.value).value_or(tick.label), *x);
    }

    // Labels from left to right: each one's left end, and where the next may
    // begin. False for a label that would run into the one before.
    bool NextLabelFits(std::string_view text, int x, long long& free) const
    {
        const long long left = x - (long long)(text.size() * hw * 0.5);
        if (text.empty() || left < free)
            return false;
        free = left + (long long)((text.size() + 1) * hw);
        return true;
    }

    bool AllLabelsFit(const TickSet& ticks) const
    {
        long long free = LLONG_MIN;
        for (const AxisTick& tick : ticks.ticks) {
            const auto placed = Placed(tick);
            if (placed && !placed->first.empty() && !NextLabelFits(placed->first, placed->second, free))
                return false;
        }
        return true;
    }

    // The most ticks (up to the usual ten) whose labels all fit beside one
    // another, so that every grid line is labelled at an even step.
    TickSet RoundTicks() const
    {
        const TickScale scale = h.time ? TickScale::Time : h.log ? TickScale::Log : TickScale::Linear;
        const double low = h.log ? std::pow(10.0, map.Start()) : h.min;
        TickSet ticks;
        for (const int most : {10, 8, 6, 5, 4, 3, 2}) {
            ticks = MakeTicks(scale, low, h.max, most);
            if (AllLabelsFit(ticks))
                break;
        }
        return ticks;
    }

    // Every tick a grid line; a label where it does not run into the one
    // before. An axis of columns ticks whole columns only.
    std::string DrawRound() const
    {
        const TickSet ticks = RoundTicks();
        long long free = LLONG_MIN;
        for (const AxisTick& tick : ticks.ticks) {
            const auto placed = Placed(tick);
            if (!placed)
                continue;
            Line(placed->second);
            if (NextLabelFits(placed->first, placed->second, free))
                Centred(placed->first.data(), int(placed->first.size()), placed->second);
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
