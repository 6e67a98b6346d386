#include "chart3d/Graph3D.h"

#include "chart3d/Box3D.h"
#include "chart3d/Cells3D.h"
#include "chart3d/ColorBar3D.h"
#include "chart3d/LabelWriter3D.h"
#include "chart3d/Projection3D.h"
#include "chart3d/Tables3D.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "gfx/PageInt.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <algorithm>
#include <optional>

namespace {

// The whole page in the view colour with a one-pixel border in the foreground colour.
void DrawPageArea(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crView});
    dc.Rectangle(0, l.m_nPageHeight, l.m_nPageWidth, 0);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
}

// The title's text height.
double TitleHeight(const CPageLayout& l)
{
    const double h = std::max(l.m_nPageHeight * 0.05, l.m_dMinText);
    return h < 2.0 ? 2.0 : h;
}

// The underlined title, centred, its top edge one text height below the top of the page.
void Draw3DTitle(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    const double h = TitleHeight(l);
    const double w = h * 0.5;
    const double n = double(s.m_strTitle.size());
    const std::optional<int> x = TruncToInt(l.m_nPageWidth * 0.5 - n * w * 0.5);
    const std::optional<int> y = TruncToInt(l.m_nPageHeight - h);
    const std::optional<int> fh = TruncToInt(h);
    const std::optional<int> fw = TruncToInt(w);
    if (!x || !y || !fh || !fw)
        return;
    const CFont oldFont = dc.SelectObject(CFont{*fh, *fw, true, s.m_strFontFace});
    dc.TextOut(*x, *y, s.m_strTitle);
    dc.SelectObject(oldFont);
}

// The projection of the surface onto the page's first `width` units. With the
// value scale the box, as turned, is fitted in with room for its labels and
// below the title (one title height from the top, one high), and "z" above
// the box. Leaves the fit in layout.
C3DProjection PlaceSurface(const CDocSnapshot& doc, const CPlotSettings& s, int width, int cw, CPageLayout& l)
{
    C3DProjection proj;
    proj.Init(s, doc, width, l.m_nPageHeight);
    if (s.m_bColorBar) {
        C3DPoint corners[8];
        proj.BoxCorners(doc, s, corners);
        const double top = 2.0 * TitleHeight(l) + 3.0 * cw;
        proj.FitBox(corners, width * 0.5 - 7.0 * cw, l.m_nPageHeight * 0.5 - top, s.m_dZoom);
    }
    l.m_n3DWidth = width;
    l.m_d3DScale = proj.m_dScale;
    return proj;
}

}  // namespace

void DrawGraph3D(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, CPageLayout& layout)
{
    DrawPageArea(dc, s, layout);
    Draw3DTitle(dc, s, layout);

    // Built once per draw; the cells only select from them.
    C3DTables tables;
    tables.Build(s.m_nModel);

    const int cw = LabelCharWidth3D(dc);
    const C3DColorBar bar(s, layout.m_nPageWidth, layout.m_nPageHeight, cw);
    const C3DProjection proj = PlaceSurface(doc, s, bar.SurfaceWidth(), cw, layout);

    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crForeground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crView});
    Draw3DCells(dc, doc, s, proj, tables);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);

    if (s.m_bLegend)
        Draw3DBox(dc, doc, s, proj, bar.Ticks());
    bar.Draw(dc, s);
}
