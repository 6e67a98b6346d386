#pragma once
// The print preview of a chart window. Qt's preview asks for its page on the
// GUI thread; here a worker records the page for the preview's printer
// instead, and the preview plays the recording when it is ready, so that the
// window answers meanwhile. A recording of millions of shapes, which would take
// seconds to play at every paint of the preview, comes as an image of the page
// (at the printer's resolution, at most 300 dpi), which the preview shows
// averaged down to twice the dots of its zoom, so that thin lines, small text
// and the mix of colours look as on paper. Until the page is ready
// the preview shows a blank page and its status line says 描画中, with how far
// the drawing has come once it takes longer than a second. Printing from the
// preview draws on the printer itself, as every print does.

#include "page/PageRenderer.h"

#include <QElapsedTimer>
#include <QImage>
#include <QObject>
#include <QPicture>
#include <QPointer>
#include <QTimer>

#include <functional>
#include <optional>

class CSorvView;
class QPainter;
class QPrintPreviewDialog;
class QPrintPreviewWidget;
class QPrinter;
class QStatusBar;

class CPrintPreview : public QObject {
    Q_OBJECT
public:
    // Prints view's page on a printer, telling the user when it could not.
    using PrintFn = std::function<void(const CSorvView&, QPrinter&)>;

    // Serves dialog's pages for view, as a child of dialog.
    CPrintPreview(QPrintPreviewDialog& dialog, CSorvView& view, PrintFn print);

private:
    void PaintRequested(QPrinter& printer);
    // Draws the page drawn for a printer of geometry g.
    void ShowPage(QPainter& painter, const CPrintGeometry& g) const;
    // Asks the worker for the page on a printer of geometry g.
    void Request(const CPrintGeometry& g);
    // Leaves the page asked for unshown: the one drawn is the printer's again.
    void Forget();
    // A page shown as an image is averaged down again for a new zoom.
    void ZoomChanged();
    // The image of the page averaged down for the preview's zoom: false when
    // the one shown will do.
    bool ScaleForZoom();
    void TakePage();
    void WatchDrawing();

    QPointer<CSorvView> m_view;
    PrintFn m_fnPrint;
    QPrintPreviewWidget* m_pWidget;
    QStatusBar* m_pStatus;
    CPageRenderer m_renderer;
    long long m_nRequested = 0;                 // the worker's serial of the page asked for
    std::optional<CPrintGeometry> m_requested;  // the page asked for
    std::optional<CPrintGeometry> m_drawn;      // the page drawn
    QPicture m_page;                            // the page recorded,
    QImage m_pageImage;                         // or its image
    QImage m_shownImage;                        // and that for the zoom
    QTimer m_watch;
    QElapsedTimer m_sinceRequest;
};
