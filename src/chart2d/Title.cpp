#include "chart2d/Title.h"

#include "gfx/DC.h"
#include "view/PlotSettings.h"

void DrawTitle(CDC& dc, const CPlotSettings& s)
{
    const double strip = (double(s.m_nPageHeight) - s.m_nPlotTop) * 0.5;
    const double th = strip < 2.0 ? 2.0 : strip;
    const double tw = th * 0.5;
    const CFont oldFont = dc.SelectObject(CFont{int(th), int(tw), true, s.m_strFontFace});
    const int len = int(s.m_strTitle.size());
    dc.TextOut(int(s.m_nPageWidth * 0.5 - len * tw * 0.5), int(s.m_nPlotTop + 1.5 * th), s.m_strTitle.data(), len);
    dc.SelectObject(oldFont);
}
