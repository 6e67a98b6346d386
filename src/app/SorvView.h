#pragma once
// A chart window onto a document: owns its plot settings, shows the page its
// worker draws and answers the view commands, the character keys and the mouse.

#include "app/ShownPage.h"
#include "page/DocumentAxes.h"
#include "page/RotateDrag.h"
#include "page/ZoomHistory.h"
#include "settings/PageLayout.h"
#include "settings/PlotSettings.h"

#include <QWidget>

class CSorvDoc;
class QSinglePointEvent;

// A drag of the mouse over the chart, in client pixels: where the button went
// down and the moving corner. The band is shown while the drag lasts.
struct CDragState {
    CPoint m_ptDragStart;
    CPoint m_ptDragEnd;
    bool m_bDragging = false;
    bool m_bXOnly = false;  // Ctrl held: the zoom narrows x alone
};

// A drag with the middle button moves the view over the data: from the state
// and the page where the button went down.
struct CPanState {
    bool m_bActive = false;
    CPoint m_ptStart;
    CZoomState m_from;
    CPageLayout m_layout;
};

class CSorvView : public QWidget {
    Q_OBJECT
public:
    // The least height of the chart's text in client pixels, so that it grows
    // with the screen's scale and stays legible in a small window.
    static constexpr double kMinTextPixels = 11.0;

    // Starts from the default settings and runs the first update from doc.
    explicit CSorvView(CSorvDoc& doc, QWidget* parent = nullptr);

    CSorvDoc& GetDocument() const { return m_doc; }
    CPlotSettings& Settings() { return m_settings; }
    const CPlotSettings& Settings() const { return m_settings; }
    // The layout of the page shown, which the mouse maps through.
    const CPageLayout& Layout() const { return m_page.Layout(); }
    const CDragState& Drag() const { return m_drag; }

    // What the status says while an exact page is drawn (percent: how far,
    // or -1 before that is told).
    static QString DrawingText(int percent);

    // TRUE when id is one of the commands this window answers.
    static bool HandlesCommand(int id);
    static bool IsCheckCommand(int id);
    // The update rules: a disabled command does nothing, from any source.
    bool IsCommandEnabled(int id) const;
    bool IsCommandChecked(int id) const;
    // Runs the command when it is enabled; returns whether it ran.
    bool OnCommand(int id);

    // Draws the whole page again at the next paint.
    void Invalidate();
    // The document changed its region: the H axis follows it (unless it is
    // the region this window saw last), and the page is drawn again.
    void OnUpdate();
    // The document was read again: the axes that followed it follow its new
    // range and region, as follow says (from before the read).
    void OnReload(const CAxesFollow& follow);
    // Runs the events until the exact page of the current state is shown (or
    // could not be drawn); false when that takes longer than timeoutMs. While
    // a key is held the exact page waits for its release.
    bool WaitForPage(int timeoutMs = 30000);
    // How many pages have been shown; a paint without a change reuses the page.
    int DrawCount() const { return m_page.DrawCount(); }
    // How many exact pages have been shown (a draft may come before each).
    int ExactDrawCount() const { return m_page.ExactDrawCount(); }

signals:
    // A command ran: check marks and enabled states may have changed.
    void commandDone();
    // The user changed the region or the axes: a zoom, a pan, a dialog, a
    // step through the history.
    void zoomedByUser();
    // A page could not be drawn (for want of memory): the message says why.
    void drawFailed(const QString& message);
    // Something the status bar should say about the chart shown.
    void notice(const QString& message);
    // The exact page is being drawn: what the status bar says meanwhile;
    // empty once it is shown.
    void drawingState(const QString& text);
    // The mouse moved over the chart outside a drag (client pixels), or left it.
    void cursorMoved(QPoint client);
    void cursorLeft();
    // The context menu is asked for, at a global position.
    void contextMenuRequested(QPoint global);

protected:
    // Keys held down turn the 3D chart in drafts until they are released.
    bool event(QEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    // Dragging a rectangle zooms into the data, a double click undoes it.
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    // The wheel zooms the 3D chart, and narrows or steps back a 2D one.
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void Rotate(double dx, double dy, double dz);
    void NoteStackedPlacement();
    // Requests the page again when it no longer fits the window, the settings or the document.
    void EnsurePage();
    void EndTurning();
    bool OnCharacter(QChar c);
    // The event's position in client pixels (logical pixels, like the page), kept inside the window.
    CPoint ClientPoint(const QSinglePointEvent* event) const;
    // A client point on the page shown, which is stretched while a page of a
    // new size is drawn.
    CPoint ShownPagePoint(CPoint p) const;
    // The client pixels the rubber band inverts: from the start up to, not
    // including, the moving corner.
    QRect BandRect() const;
    // Moves the cursor back over the window when a drag takes it outside.
    void KeepCursorInside(const QMouseEvent* event);
    // Ends the drag and takes the band off the screen.
    void EndDrag();
    // Called before and after a change of the region or the axes by the
    // user, which the history keeps; after it, a state other than the one
    // before tells zoomedByUser.
    void RecordZoom();
    void RecordZoomChange();
    // Restores a state of the history; returns whether anything changed.
    bool StepZoom(const std::optional<CZoomState>& state);
    void OnWheelStep(bool forward, int x);
    void PanTo(CPoint p);
    bool ToggleSeriesAt(CPoint client);
    // Ctrl+arrow keys move the view of a 2D chart by a tenth of the plot.
    bool OnPanKey(const QKeyEvent* event);
    void SeeRegion();
    bool RegionSeen() const;

    CSorvDoc& m_doc;
    CPlotSettings m_settings;
    CDragState m_drag;
    CPanState m_pan;
    CRotateDrag m_rotate;  // Shift+drag over the 3D chart
    CZoomHistory m_history;
    CZoomState m_zoomBefore;  // as RecordZoom found it
    // The document's region as this window last followed it.
    int m_nSeenRegion[4] = {};
    int m_nWheelDelta = 0;  // wheel turns not yet a whole step
    CShownPage m_page;
};
