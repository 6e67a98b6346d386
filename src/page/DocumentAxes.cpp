#include "page/DocumentAxes.h"

#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "settings/Palettes.h"
#include "settings/PlotSettings.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

struct VRange {
    double min, max, step;
};

// A range with a tenth of it as the step.
VRange WithStep(double min, double max)
{
    double step = (max - min) * 0.1;
    // A range wider than the largest double overflows the difference; the
    // tenths taken first keep the step finite.
    if (!std::isfinite(step))
        step = max * 0.1 - min * 0.1;
    return {min, max, step};
}

// The smallest and largest finite value of the rows that pick chooses; 0..0 when none.
template <class Pick>
VRange RowsRange(const CDocSnapshot& doc, Pick pick)
{
    double min = INFINITY, max = -INFINITY;
    for (int r = 0; r < doc->m_nRows; ++r) {
        if (!pick(r))
            continue;
        for (int c = 0; c < doc->m_nCols; ++c) {
            const double v = doc->Value(r, c);
            if (std::isfinite(v)) {
                min = std::min(min, v);
                max = std::max(max, v);
            }
        }
    }
    return min <= max ? WithStep(min, max) : WithStep(0.0, 0.0);
}

// The range a V axis takes from the document. Left: the document's, or, where
// the range is automatic (rounded ticks or x values) and some series are hidden
// or read on the right, that of the series shown on the left. Right: that of
// the series shown on the right.
VRange DocumentVRange(const CDocSnapshot& doc, const CPlotSettings& s, bool right)
{
    const bool automatic = s.m_bRoundTicks || !doc->m_x.IsEmpty();
    if (!right && (!automatic || !(AnyHidden(s) || AnyOnTheRight(s))))
        return WithStep(doc->m_dMin, doc->m_dMax);
    return RowsRange(doc, [&](int r) {
        const CSeriesStyle& style = StyleOf(s, r);
        return !style.m_bHidden && style.m_bRightAxis == right;
    });
}

void TakeVRange(CPlotSettings& s, const CDocSnapshot& doc)
{
    const VRange v = DocumentVRange(doc, s, false);
    s.m_dVMin = v.min;
    s.m_dVMax = v.max;
    s.m_dVStep = v.step;
}

void TakeRightRange(CPlotSettings& s, const CDocSnapshot& doc)
{
    const VRange v = DocumentVRange(doc, s, true);
    s.m_dV2Min = v.min;
    s.m_dV2Max = v.max;
    s.m_dV2Step = v.step;
}

bool Holds(const VRange& range, double min, double max, double step)
{
    return min == range.min && max == range.max && step == range.step;
}

}  // namespace

std::optional<std::pair<double, double>> RegionHRange(const CDocSnapshot& doc)
{
    if (doc->m_x.IsEmpty() || doc->IsEmpty())
        return std::make_pair(double(doc.m_nX1), double(doc.m_nX2));
    auto range = doc->m_x.Range(doc.m_nX1, doc.m_nX2);
    if (range && range->first == range->second)
        range = std::make_pair(range->first - 0.5, range->second + 0.5);
    return range;
}

void InitialUpdate(CPlotSettings& s, const CSorvDoc& doc)
{
    TakeVRange(s, doc);
    s.m_dHMin = 0.0;
    s.m_dHMax = double(doc->m_nCols) - 1.0;
    FollowRegion(s, doc);
    s.m_dHStep = 0.0;
    s.m_bVLog = false;
    s.m_bRoundTicks = doc->m_bColumnWise || !doc->m_x.IsEmpty();
    // The title is drawn with the document's encoding; the file name is UTF-8.
    const std::string& name = doc.GetTitle();
    s.m_strTitle = EncodeText(QString::fromUtf8(name.data(), qsizetype(name.size())),
                              doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
}

void FollowRegion(CPlotSettings& s, const CDocSnapshot& doc)
{
    if (const auto range = RegionHRange(doc)) {
        s.m_dHMin = range->first;
        s.m_dHMax = range->second;
    }
}

CAxesFollow AxesFollowing(const CPlotSettings& s, const CDocSnapshot& doc)
{
    const auto h = RegionHRange(doc);
    return {Holds(DocumentVRange(doc, s, false), s.m_dVMin, s.m_dVMax, s.m_dVStep),
            h && s.m_dHMin == h->first && s.m_dHMax == h->second,
            Holds(DocumentVRange(doc, s, true), s.m_dV2Min, s.m_dV2Max, s.m_dV2Step)};
}

void FollowDocument(CPlotSettings& s, const CDocSnapshot& doc, CAxesFollow follow)
{
    if (follow.v)
        TakeVRange(s, doc);
    if (follow.h)
        FollowRegion(s, doc);
    if (follow.v2)
        TakeRightRange(s, doc);
}

void RestyleSeries(CPlotSettings& s, const CDocSnapshot& doc, std::vector<CSeriesStyle> styles)
{
    CAxesFollow follow = AxesFollowing(s, doc);
    follow.h = false;
    // A right axis that had no series takes the range of its first ones.
    follow.v2 = follow.v2 || !AnyOnTheRight(s);
    s.m_series = std::move(styles);
    FollowDocument(s, doc, follow);
}

void ResetValueRanges(CPlotSettings& s, const CDocSnapshot& doc)
{
    TakeVRange(s, doc);
    TakeRightRange(s, doc);
}
