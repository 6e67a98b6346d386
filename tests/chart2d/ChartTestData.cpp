#include "ChartTestData.h"

#include "chart2d/Graph2D.h"
#include "support/TestDoc.h"

#include <algorithm>
#include <memory>

CSorvDoc MakeDoc(const std::vector<std::vector<double>>& rows, const std::vector<std::string>& labels)
{
    const auto doc = MakeTestDoc(int(rows.size()), int(rows[0].size()), [&](int r, int c) { return rows[r][c]; });
    for (std::size_t r = 0; r < labels.size(); ++r)
        EditData(*doc).m_pLabels[r] = labels[r];
    return std::move(*doc);
}

CPlotSettings MakeSettings(const CSorvDoc& doc)
{
    CPlotSettings s;
    s.m_dVMin = doc->m_dMin;
    s.m_dVMax = doc->m_dMax;
    s.m_dVStep = (doc->m_dMax - doc->m_dMin) * 0.1;
    s.m_dHMin = 0.0;
    s.m_dHMax = doc->m_nCols - 1.0;
    s.m_dHStep = 0.0;
    s.m_strTitle = "title";
    return s;
}

CPageLayout MakePage(int width, int height)
{
    CPageLayout page;
    page.m_nPageWidth = width;
    page.m_nPageHeight = height;
    return page;
}

CRecordingDC DrawChart(const CSorvDoc& doc, const CPlotSettings& s, CPageLayout& page)
{
    CRecordingDC dc;
    DrawGraph2D(dc, doc, s, page);
    return dc;
}

std::vector<Op> SeriesOps(const CRecordingDC& dc)
{
    const auto& ops = dc.Ops();
    auto begin = std::find_if(ops.begin(), ops.end(), [](const Op& op) { return op.kind == OpKind::Clip; });
    auto end = std::find_if(begin, ops.end(), [](const Op& op) { return op.kind == OpKind::ClipOff; });
    return begin == ops.end() ? std::vector<Op>{} : std::vector<Op>(begin + 1, end);
}

namespace {

bool IsGrid(const Op& op, const CPlotSettings& s)
{
    return op.kind == OpKind::Line && op.pen == CPen{PS_SOLID, 0, s.m_crAxis};
}

}  // namespace

std::vector<int> GridYs(const CRecordingDC& dc, const CPlotSettings& s, const CPageLayout& page)
{
    std::vector<int> ys;
    for (const Op& op : dc.Ops())
        if (IsGrid(op, s) && op.points[0].x == page.m_nPlotLeft && op.points[1].x == page.m_nPlotRight &&
            op.points[0].y == op.points[1].y)
            ys.push_back(op.points[0].y);
    return ys;
}

std::vector<int> GridXs(const CRecordingDC& dc, const CPlotSettings& s, const CPageLayout& page)
{
    std::vector<int> xs;
    for (const Op& op : dc.Ops())
        if (IsGrid(op, s) && op.points[0].y == page.m_nPlotBottom && op.points[1].y == page.m_nPlotTop &&
            op.points[0].x == op.points[1].x)
            xs.push_back(op.points[0].x);
    return xs;
}
