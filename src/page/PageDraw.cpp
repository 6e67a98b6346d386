#include "page/PageDraw.h"

#include "chart2d/Graph2D.h"
#include "chart3d/Graph3D.h"
#include "doc/DocSnapshot.h"
#include "gfx/DC.h"
#include "settings/PlotSettings.h"

CPageLayout SetupPage(CDC& dc, const CPlotSettings& s, int clientWidth, int clientHeight, double minText)
{
    const int wc = clientWidth;
    const int hc = clientHeight;
    CPageLayout l;
    l.m_bPrinted = dc.m_bPrinting;
    if (dc.m_bPrinting) {
        // In 0.1 mm; in doubles, so that no printable size overflows.
        const double wp = dc.GetDeviceCaps(HORZSIZE) * 10.0;
        const double hp = dc.GetDeviceCaps(VERTSIZE) * 10.0;
        double r = wp / wc < hp / hc ? wp / wc : hp / hc;
        // A window without area, or a printable area that no paper has, prints
        // an empty page.
        if (!(r >= 0.0 && wc * r < 1e9 && hc * r < 1e9))
            r = 0.0;
        const double pw = wc * r;
        const double ph = hc * r;
        dc.SetLoMetricMapping(int(pw * -0.1), int(ph * 0.9));
        l.m_nPageWidth = int(pw * 0.8);
        l.m_nPageHeight = int(ph * 0.8);
    } else {
        dc.SetScreenMapping(wc, hc);
        l.m_nPageWidth = wc;
        l.m_nPageHeight = hc;
        l.m_dMinText = minText;
    }
    dc.SetPageSize(l.m_nPageWidth, l.m_nPageHeight);
    dc.SetBkMode(TRANSPARENT);
    dc.SetBkColor(s.m_crBackground);
    dc.SetTextColor(s.m_crForeground);

    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 0, s.m_crBackground});
    const CBrush oldBrush = dc.SelectObject(CBrush{s.m_crBackground});
    dc.Rectangle(0, 0, l.m_nPageWidth, l.m_nPageHeight);
    dc.SelectObject(oldPen);
    dc.SelectObject(oldBrush);
    return l;
}

void DrawPageFrame(CDC& dc, const CPlotSettings& s, const CPageLayout& l)
{
    if (!dc.m_bPrinting)
        return;
    const CPen oldPen = dc.SelectObject(CPen{PS_SOLID, 5, s.m_crForeground});
    dc.MoveTo(0, 0);
    dc.LineTo(l.m_nPageWidth, 0);
    dc.LineTo(l.m_nPageWidth, l.m_nPageHeight);
    dc.LineTo(0, l.m_nPageHeight);
    dc.LineTo(0, 0);
    dc.SelectObject(oldPen);
}

CPageLayout DrawPage(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                     double minText)
{
    dc.SetTextEncoding(doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
    CPageLayout layout = SetupPage(dc, s, clientWidth, clientHeight, minText);
    if (s.m_nGraphType >= 0 && s.m_nGraphType <= 2)
        DrawGraph2D(dc, doc, s, layout);
    else if (s.m_nGraphType == 3)
        DrawGraph3D(dc, doc, s, layout);
    DrawPageFrame(dc, s, layout);
    return layout;
}
