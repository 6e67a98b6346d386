#include "page/ImagePage.h"

#include "gfx/BandedDC.h"
#include "gfx/PainterDC.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"

#include <QImage>
#include <QPainter>
#include <QThread>

namespace {

// Cancel flag and draft switch of the window's drawing.
void Prepare(CDC& dc, const std::atomic<bool>* cancel, bool draft)
{
    dc.SetCancelFlag(cancel);
    dc.m_bDraft = draft;
}

}  // namespace

CPageLayout DrawImagePage(QImage& image, const CSorvDoc& doc, const CPlotSettings& s, int clientWidth,
                          int clientHeight, const std::atomic<bool>* cancel, bool draft)
{
    const double dotsPerMm = image.dotsPerMeterX() / 1000.0;
    // The cells of a 3D surface are most of the work, and they split into bands.
    if (s.m_nGraphType == 3) {
        CBandedDC dc(image, QThread::idealThreadCount(), dotsPerMm);
        Prepare(dc, cancel, draft);
        const CPageLayout layout = DrawPage(dc, doc, s, clientWidth, clientHeight);
        dc.Finish();
        return layout;
    }
    // The surface finishes its gathered lines when it goes, while the painter is still open.
    QPainter painter(&image);
    CPainterDC dc(painter, dotsPerMm);
    Prepare(dc, cancel, draft);
    return DrawPage(dc, doc, s, clientWidth, clientHeight);
}
