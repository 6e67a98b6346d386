#include "chart2d/Title.h"

#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <algorithm>

void DrawTitle(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const double strip = (double(l.m_nPageHeight) - l.m_nPlotTop) * 0.5;
    const double th = std::max({strip, 2.0, l.m_dMinText});
    const double tw = th * 0.5;
    const CFont oldFont = dc.SelectObject(CFont{int(th), int(tw), true, s.m_strFontFace});
    const double len = double(s.m_strTitle.size());
    // A title far too long for the page is left out rather than wrapped around.
    if (const auto x = TruncToInt(l.m_nPageWidth * 0.5 - len * tw * 0.5))
        dc.TextOut(*x, int(l.m_nPlotTop + 1.5 * th), s.m_strTitle);
    dc.SelectObject(oldFont);
}
