#include "page/PrintedPage.h"

#include "gfx/PainterDC.h"
#include "page/PageDraw.h"

#include <QPainter>

void DrawPrintedPage(QPainter& painter, double dotsPerMm, int areaWidthMm, int areaHeightMm, const CDocSnapshot& doc,
                     const CPlotSettings& s, int clientWidth, int clientHeight)
{
    CPainterDC dc(painter, dotsPerMm);
    // Lines, markers and bands are reduced at the printer's own dots.
    if (const QPaintDevice* device = painter.device())
        dc.SetDevicePixels(device->width(), device->height());
    dc.m_bPrinting = true;
    dc.SetPrintableSize(areaWidthMm, areaHeightMm);
    DrawPage(dc, doc, s, clientWidth, clientHeight);
}
