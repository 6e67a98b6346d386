#include "app/PagePrinter.h"

#include "gfx/PainterDC.h"
#include "view/PageDraw.h"

#include <QPainter>
#include <QPrinter>

void DrawPrintedPage(QPainter& painter, double dotsPerMm, int areaWidthMm, int areaHeightMm, const CSorvDoc& doc,
                     CPlotSettings& s, int clientWidth, int clientHeight)
{
    CPainterDC dc(painter, dotsPerMm);
    dc.m_bPrinting = true;
    dc.SetPrintableSize(areaWidthMm, areaHeightMm);
    DrawPage(dc, doc, s, clientWidth, clientHeight);
}

void PrintPage(QPrinter& printer, const CSorvDoc& doc, CPlotSettings& s, int clientWidth, int clientHeight)
{
    QPainter painter;
    if (!painter.begin(&printer))
        return;
    // The painter's origin is the printable area's top-left corner.
    const QRectF area = printer.pageLayout().paintRect(QPageLayout::Millimeter);
    DrawPrintedPage(painter, printer.resolution() / 25.4, int(area.width()), int(area.height()), doc, s, clientWidth,
                    clientHeight);
    painter.end();
}
