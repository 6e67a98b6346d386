#pragma once
// The page a chart window shows: the newest image its worker finished, with
// the layout it was drawn with, and the request for the page of the window's
// current state. The window only ever puts a finished image on the screen,
// stretched while a page of a new size is being drawn.

#include "gfx/GdiTypes.h"
#include "page/PageRenderer.h"

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>
#include <QSize>

class QPainter;
class QRect;

class CShownPage : public QObject {
    Q_OBJECT
public:
    // How often the status of a page being drawn is told.
    static constexpr int kWatchMs = 250;
    // How far renderer's exact page has come in percent, told once it has
    // been drawn for longer than a second (since its request); -1 before.
    static int PercentToTell(const QElapsedTimer& since, const CPageRenderer& renderer);

    explicit CShownPage(QObject* parent = nullptr);

    // What the user is told of a page that could not be drawn.
    static QString FailureText(const CRenderedPage& page);

    // The state changed: the next Ensure requests a new page.
    void Invalidate() { m_bRequested = false; }
    // Requests the page of doc and s for a client area of client (device
    // pixel ratio ratio, text at least minText pixels high), unless it is
    // requested already. A 3D page is a draft while turning.
    void Ensure(const CDocSnapshot& doc, const CPlotSettings& s, QSize client, double ratio, double minText);
    // While the user turns the chart its 3D pages may be drafts; when turning
    // ends, the exact page is requested again. Returns whether it was.
    bool SetTurning(bool on);
    // Whether the shown page is the exact, complete one last requested.
    bool IsCurrent() const;

    // Puts the image on the client rectangle, stretched when it was drawn for
    // another size; the background colour where there is no image yet.
    void Paint(QPainter& painter, const QRect& client, COLORREF background) const;
    const CPageLayout& Layout() const { return m_layout; }
    int DrawCount() const { return m_nDrawCount; }
    int ExactDrawCount() const { return m_nExactCount; }

signals:
    // A page arrived: the window paints it.
    void pageShown();
    // The exact page is being drawn (percent: how far, once it takes longer
    // than a second; -1 before), or is shown (done).
    void drawing(int percent);
    void drawingDone();
    // A page could not be drawn; the window keeps the one it had.
    void drawFailed(const QString& message);

private:
    void TakePage();
    // Whether the exact page of s is likely to take longer than a moment: the
    // last one did, or (before the first) the region has many cells.
    bool ExpectSlow(const CDocSnapshot& doc, const CPlotSettings& s) const;
    void WatchDrawing();

    CPageRenderer m_renderer;
    QImage m_image;
    CPageLayout m_layout;
    int m_nDrawCount = 0;
    int m_nExactCount = 0;
    bool m_bShownDraft = false;  // the page shown is a draft
    long long m_nShown = 0;
    long long m_nRequested = 0;
    bool m_bRequested = false;
    bool m_bDraftRequested = false;
    bool m_bTurning = false;
    QSize m_requestedSize;
    double m_dRequestedRatio = 0.0;
    QTimer m_watch;               // while the exact page is drawn
    QElapsedTimer m_sinceRequest;
};
