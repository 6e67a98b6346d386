#include "page/PrintedPage.h"

#include "gfx/PainterDC.h"
#include "page/PageDraw.h"

void DrawPrintedPage(QPainter& painter, double dotsPerMm, int areaWidthMm, int areaHeightMm, const CSorvDoc& doc,
                     const CPlotSettings& s, int clientWidth, int clientHeight)
{
    CPainterDC dc(painter, dotsPerMm);
    dc.m_bPrinting = true;
    dc.SetPrintableSize(areaWidthMm, areaHeightMm);
    DrawPage(dc, doc, s, clientWidth, clientHeight);
}
