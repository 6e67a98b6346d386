#include "app/PrintPreview.h"

#include "app/ShownPage.h"
#include "app/SorvView.h"
#include "app/ViewPrinter.h"
#include "doc/SorvDoc.h"

#include <QLayout>
#include <QPaintEngine>
#include <QPainter>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QStatusBar>

#include <algorithm>
#include <cmath>

namespace {

// The preview's printer records pages as pictures; the printer it prints on does not.
bool IsPreview(QPrinter& printer)
{
    const QPaintEngine* engine = printer.paintEngine();
    return engine && engine->type() == QPaintEngine::Picture;
}

// The resolution of a page's image: the printer's, up to 300 dpi, and less
// on paper so large that the image would pass 32 million pixels.
double ImageDotsPerMm(const CPrintGeometry& g)
{
    constexpr double kLargestImage = 32e6;
    const double pixelsAtOneDotPerMm = double(g.deviceWidth) * g.deviceHeight / (g.dotsPerMm * g.dotsPerMm);
    return std::min({g.dotsPerMm, 300 / 25.4, std::sqrt(kLargestImage / std::max(pixelsAtOneDotPerMm, 1.0))});
}

}  // namespace

// The worker announces a finished page from its own thread; it is taken on the
// GUI thread. A call still queued when this object goes is dropped with it.
CPrintPreview::CPrintPreview(QPrintPreviewDialog& dialog, CSorvView& view, PrintFn print)
    : QObject(&dialog)
    , m_view(&view)
    , m_fnPrint(std::move(print))
    , m_pWidget(dialog.findChild<QPrintPreviewWidget*>())
    , m_pStatus(new QStatusBar(&dialog))
    , m_renderer([this] { QMetaObject::invokeMethod(this, &CPrintPreview::TakePage, Qt::QueuedConnection); })
{
    m_pStatus->setSizeGripEnabled(false);
    dialog.layout()->addWidget(m_pStatus);
    m_watch.setInterval(CShownPage::kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &CPrintPreview::WatchDrawing);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, [this](QPrinter* printer) { PaintRequested(*printer); });
    connect(m_pWidget, &QPrintPreviewWidget::previewChanged, this, &CPrintPreview::ZoomChanged);
}

void CPrintPreview::PaintRequested(QPrinter& printer)
{
    if (!m_view)
        return;
    if (!IsPreview(printer)) {
        m_fnPrint(*m_view, printer);
        return;
    }
    const CPrintGeometry g = PrintGeometry(printer);
    QPainter painter(&printer);
    if (m_drawn == g) {
        ShowPage(painter, g);
        // Back to the page drawn: one asked for since will not be shown.
        if (m_requested != g)
            Forget();
    } else if (m_requested != g) {
        Request(g);
    }
}

void CPrintPreview::Forget()
{
    m_requested = m_drawn;
    m_nRequested = -1;
    m_watch.stop();
    m_pStatus->clearMessage();
}

void CPrintPreview::ShowPage(QPainter& painter, const CPrintGeometry& g) const
{
    if (m_pageImage.isNull()) {
        PlayPrintedPage(painter, m_page);
        return;
    }
    const double scale = g.dotsPerMm / ImageDotsPerMm(g);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(QRectF(0, 0, m_pageImage.width() * scale, m_pageImage.height() * scale), m_shownImage);
}

void CPrintPreview::Request(const CPrintGeometry& g)
{
    CPageRequest request{m_view->GetDocument(), m_view->Settings(), m_view->width(), m_view->height()};
    request.printed = g;
    request.printedImageDotsPerMm = ImageDotsPerMm(g);
    m_nRequested = m_renderer.Request(std::move(request));
    m_requested = g;
    m_sinceRequest.start();
    m_watch.start();
    WatchDrawing();
}

void CPrintPreview::ZoomChanged()
{
    if (ScaleForZoom())
        m_pWidget->updatePreview();
}

// Averaged down to twice the dots shown, where the preview's own scaling
// leaves thin lines out; kept while it has two to three times those dots (a
// fitted preview's zoom changes with every step of a resize).
bool CPrintPreview::ScaleForZoom()
{
    if (m_pageImage.isNull())
        return false;
    const double shown = m_pWidget->zoomFactor() * m_pWidget->logicalDpiX() * m_pWidget->devicePixelRatioF() / 25.4;
    const double ratio = std::min(2 * shown / ImageDotsPerMm(*m_drawn), 1.0);
    const QSize size = (QSizeF(m_pageImage.size()) * ratio).toSize().expandedTo({1, 1});
    const int kept = m_shownImage.width();
    if (kept >= size.width() && 2 * kept <= 3 * size.width())
        return false;
    m_shownImage = ratio == 1.0 ? m_pageImage
                                : m_pageImage.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    return true;
}

void CPrintPreview::TakePage()
{
    std::optional<CRenderedPage> page = m_renderer.Take();
    if (!page || page->serial != m_nRequested)
        return;
    m_watch.stop();
    if (!page->error.empty()) {
        // The next paint of the preview asks again.
        m_requested.reset();
        m_pStatus->showMessage(CShownPage::FailureText(*page));
        return;
    }
    m_pStatus->clearMessage();
    m_page = std::move(page->picture);
    m_pageImage = std::move(page->image);
    m_shownImage = QImage();
    m_drawn = m_requested;
    ScaleForZoom();
    m_pWidget->updatePreview();
}

void CPrintPreview::WatchDrawing()
{
    m_pStatus->showMessage(CSorvView::DrawingText(CShownPage::PercentToTell(m_sinceRequest, m_renderer)));
}
