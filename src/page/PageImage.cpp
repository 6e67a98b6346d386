#include "page/PageImage.h"

#include "gfx/PainterDC.h"
#include "page/PageDraw.h"

#include <QPainter>

CPageImage DrawPageImage(const CSorvDoc& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                         double devicePixelRatio)
{
    CPageImage page;
    const QSize deviceSize = (QSizeF(clientWidth, clientHeight) * devicePixelRatio).toSize();
    page.image = QImage(deviceSize, QImage::Format_RGB32);
    if (page.image.isNull())
        return page;
    page.image.setDevicePixelRatio(devicePixelRatio);
    page.image.fill(Qt::white);
    {
        // The surface finishes its gathered lines when it goes, while the painter is still open.
        QPainter painter(&page.image);
        CPainterDC dc(painter, page.image.dotsPerMeterX() / 1000.0);
        page.layout = DrawPage(dc, doc, s, clientWidth, clientHeight);
    }
    return page;
}
