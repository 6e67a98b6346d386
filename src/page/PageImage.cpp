#include "page/PageImage.h"

#include "gfx/BandedDraw.h"
#include "gfx/PainterDC.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"

#include <QPainter>
#include <QThread>

#include <new>

namespace {

CPageLayout DrawOn(CDC& dc, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                   double minText, const CPageControl& control)
{
    dc.SetCancelToken(control.cancel);
    dc.SetProgressSink(control.progress);
    // A surface may be a draft of its own (the bands' counting pass).
    dc.m_bDraft = dc.m_bDraft || control.draft;
    return DrawPage(dc, doc, s, clientWidth, clientHeight, minText);
}

}  // namespace

CPageImage DrawPageImage(const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                         double devicePixelRatio, double minText, const CPageControl& control)
{
    CPageImage page;
    const QSize deviceSize = (QSizeF(clientWidth, clientHeight) * devicePixelRatio).toSize();
    if (deviceSize.isEmpty())
        return page;
    page.image = QImage(deviceSize, QImage::Format_RGB32);
    // Qt gives a null image when it cannot allocate one.
    if (page.image.isNull())
        throw std::bad_alloc();
    page.image.setDevicePixelRatio(devicePixelRatio);
    page.image.fill(Qt::white);
    const double dotsPerMm = page.image.dotsPerMeterX() / 1000.0;
    // The cells of a 3D surface are most of the work, and they split into bands.
    if (s.m_nGraphType == 3) {
        DrawInBands(page.image, QThread::idealThreadCount(), dotsPerMm, [&](CDC& dc, int band) {
            const CPageLayout layout = DrawOn(dc, doc, s, clientWidth, clientHeight, minText, control);
            if (band == 0)
                page.layout = layout;
        });
        return page;
    }
    // The surface finishes its gathered lines when it goes, while the painter is still open.
    QPainter painter(&page.image);
    CPainterDC dc(painter, dotsPerMm);
    page.layout = DrawOn(dc, doc, s, clientWidth, clientHeight, minText, control);
    return page;
}
