#include "page/DocumentAxes.h"

#include "doc/SorvDoc.h"
#include "gfx/TextCodec.h"
#include "settings/PlotSettings.h"

#include <QString>

#include <cmath>

namespace {

struct VRange {
    double min, max, step;
};

// The document's range with a tenth of it as the step.
VRange DocumentVRange(const CSorvDoc& doc)
{
    double step = (doc.m_dMax - doc.m_dMin) * 0.1;
    // A range wider than the largest double overflows the difference; the
    // tenths taken first keep the step finite.
    if (!std::isfinite(step))
        step = doc.m_dMax * 0.1 - doc.m_dMin * 0.1;
    return {doc.m_dMin, doc.m_dMax, step};
}

void TakeVRange(CPlotSettings& s, const CSorvDoc& doc)
{
    const VRange v = DocumentVRange(doc);
    s.m_dVMin = v.min;
    s.m_dVMax = v.max;
    s.m_dVStep = v.step;
}

}  // namespace

std::optional<std::pair<double, double>> RegionHRange(const CSorvDoc& doc)
{
    if (doc.m_x.IsEmpty() || doc.IsEmpty())
        return std::make_pair(double(doc.m_nX1), double(doc.m_nX2));
    auto range = doc.m_x.Range(doc.m_nX1, doc.m_nX2);
    if (range && range->first == range->second)
        range = std::make_pair(range->first - 0.5, range->second + 0.5);
    return range;
}

void InitialUpdate(CPlotSettings& s, const CSorvDoc& doc)
{
    TakeVRange(s, doc);
    s.m_dHMin = 0.0;
    s.m_dHMax = double(doc.m_nCols) - 1.0;
    FollowRegion(s, doc);
    s.m_dHStep = 0.0;
    s.m_bVLog = false;
    s.m_bRoundTicks = doc.m_bColumnWise || !doc.m_x.IsEmpty();
    // The title is drawn with the document's encoding; the file name is UTF-8.
    const std::string& name = doc.GetTitle();
    s.m_strTitle = EncodeText(QString::fromUtf8(name.data(), qsizetype(name.size())),
                              doc.m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
}

void FollowRegion(CPlotSettings& s, const CSorvDoc& doc)
{
    if (const auto range = RegionHRange(doc)) {
        s.m_dHMin = range->first;
        s.m_dHMax = range->second;
    }
}

CAxesFollow AxesFollowing(const CPlotSettings& s, const CSorvDoc& doc)
{
    const VRange v = DocumentVRange(doc);
    const auto h = RegionHRange(doc);
    return {s.m_dVMin == v.min && s.m_dVMax == v.max && s.m_dVStep == v.step,
            h && s.m_dHMin == h->first && s.m_dHMax == h->second};
}

void FollowDocument(CPlotSettings& s, const CSorvDoc& doc, CAxesFollow follow)
{
    if (follow.v)
        TakeVRange(s, doc);
    if (follow.h)
        FollowRegion(s, doc);
}
