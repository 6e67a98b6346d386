#include "chart2d/Legend.h"

#include "chart2d/AxisLabel.h"
#include "doc/SorvDoc.h"
#include "gfx/DC.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <algorithm>

namespace {

// Entries are 1.5 h apart from T down to B.
int EntryCount(const CSorvDoc& doc, const CPageLayout& l, double h)
{
    if (!doc.m_pLabels)
        return 0;
    const int fit = int((double(l.m_nPlotTop) - l.m_nPlotBottom) / (1.5 * h));
    return std::min(doc.m_nRows, fit);
}

}  // namespace

void DrawLegend(CDC& dc, const CSorvDoc& doc, const CPlotSettings& s, const CPageLayout& l)
{
    const double a = LabelCharWidth(l);
    const double h = 2 * a;  // side of a swatch
    const CFont oldFont = dc.SelectObject(CFont{int(2 * a), int(a), false, s.m_strFontFace});
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, 0});
    const int n = EntryCount(doc, l, h);
    for (int i = 0; i < n; ++i) {
        const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crSeries[i % 7]});
        const int x0 = int(l.m_nPlotRight + h);
        const int y0 = int(l.m_nPlotTop - 1.5 * i * h);
        dc.Rectangle(x0, y0, int(x0 + h), int(y0 - h));
        dc.SelectObject(oldBrush);
        const std::string& label = doc.m_pLabels[i];
        dc.TextOut(x0 + int(1.5 * h), y0, label.data(), std::min(int(label.size()), 12));
    }
    dc.SelectObject(oldPen);
    dc.SelectObject(oldFont);
}
