#include "page/PrintedPage.h"

#include "gfx/BandedDraw.h"
#include "gfx/PainterDC.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"

#include <QImage>
#include <QPainter>
#include <QPicture>
#include <QThread>

#include <algorithm>
#include <cmath>
#include <new>

namespace {

// The printed page on a surface of the device's resolution.
void DrawPrintedOn(CDC& dc, const CPrintGeometry& g, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth,
                   int clientHeight, const CPageControl& control)
{
    dc.m_bPrinting = true;
    dc.SetPrintableSize(g.areaWidthMm, g.areaHeightMm);
    dc.SetCancelToken(control.cancel);
    dc.SetProgressSink(control.progress);
    DrawPage(dc, doc, s, clientWidth, clientHeight);
}

}  // namespace

void DrawPrintedPage(QPainter& painter, const CPrintGeometry& g, const CDocSnapshot& doc, const CPlotSettings& s,
                     int clientWidth, int clientHeight, const CPageControl& control)
{
    CPainterDC dc(painter, g.dotsPerMm);
    // Lines, markers and bands are reduced at the printer's own dots.
    dc.SetDevicePixels(g.deviceWidth, g.deviceHeight);
    DrawPrintedOn(dc, g, doc, s, clientWidth, clientHeight, control);
}

QPicture RecordPrintedPage(const CPrintGeometry& g, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth,
                           int clientHeight, const CPageControl& control)
{
    QPicture page;
    QPainter painter(&page);
    DrawPrintedPage(painter, g, doc, s, clientWidth, clientHeight, control);
    painter.end();
    return page;
}

// A picture plays at the scale of the device's resolution to its own; the
// page's coordinates are the device's dots already.
void PlayPrintedPage(QPainter& painter, const QPicture& page)
{
    const QPaintDevice* device = painter.device();
    painter.save();
    painter.scale(double(page.logicalDpiX()) / device->logicalDpiX(), double(page.logicalDpiY()) / device->logicalDpiY());
    painter.drawPicture(0, 0, page);
    painter.restore();
}

QImage DrawPrintedImage(const CPrintGeometry& printer, double dotsPerMm, const CDocSnapshot& doc,
                        const CPlotSettings& s, int clientWidth, int clientHeight, const CPageControl& control)
{
    const double scale = dotsPerMm / printer.dotsPerMm;
    const CPrintGeometry g{dotsPerMm, int(std::lround(printer.deviceWidth * scale)),
                           int(std::lround(printer.deviceHeight * scale)), printer.areaWidthMm, printer.areaHeightMm};
    QImage image(std::max(g.deviceWidth, 1), std::max(g.deviceHeight, 1), QImage::Format_RGB32);
    // Qt gives a null image when it cannot allocate one.
    if (image.isNull())
        throw std::bad_alloc();
    image.setDotsPerMeterX(int(std::lround(dotsPerMm * 1000)));
    image.setDotsPerMeterY(image.dotsPerMeterX());
    image.fill(Qt::white);
    // The cells of a 3D surface are most of the work, and they split into bands.
    if (s.m_nGraphType == 3) {
        DrawInBands(image, QThread::idealThreadCount(), dotsPerMm,
                    [&](CDC& dc, int) { DrawPrintedOn(dc, g, doc, s, clientWidth, clientHeight, control); });
        return image;
    }
    QPainter painter(&image);
    DrawPrintedPage(painter, g, doc, s, clientWidth, clientHeight, control);
    return image;
}
