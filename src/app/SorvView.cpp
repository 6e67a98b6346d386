#include "app/SorvView.h"

#include "chart2d/HAxisRange.h"
#include "chart2d/Legend.h"
#include "dialogs/SettingsCommands.h"
#include "doc/SorvDoc.h"
#include "page/MouseZoom.h"
#include "page/Pan.h"
#include "settings/CommandIds.h"
#include "settings/ViewCommands.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QCursor>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QThread>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

namespace {
constexpr double kRotationStep = 22.5;
}

CSorvView::CSorvView(CSorvDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    // Moves without a button show what lies under the cursor.
    setMouseTracking(true);
    InitialUpdate(m_settings, m_doc);
    SeeRegion();
    connect(&m_page, &CShownPage::pageShown, this, qOverload<>(&QWidget::update));
    connect(&m_page, &CShownPage::drawFailed, this, &CSorvView::drawFailed);
    connect(&m_page, &CShownPage::drawing, this, [this](int percent) { emit drawingState(DrawingText(percent)); });
    connect(&m_page, &CShownPage::drawingDone, this, [this] { emit drawingState({}); });
}

QString CSorvView::DrawingText(int percent)
{
    return percent < 0 ? tr("描画中") : tr("描画中 %1%").arg(percent);
}

bool CSorvView::HandlesCommand(int id)
{
    using namespace CommandId;
    switch (id) {
    case GraphScatter: case GraphLine: case GraphStacked: case Graph3D:
    case Legend: case ViewZoomIn: case ViewZoomOut:
    case SetAxis: case SetColor: case SetLineAttr: case SetTitle: case SetView: case Region: case SetSeries:
    case RotateXPlus: case RotateXMinus: case RotateYPlus: case RotateYMinus:
    case RotateZPlus: case RotateZMinus: case ViewBack: case ViewForward:
        return true;
    default:
        return false;
    }
}

bool CSorvView::IsCheckCommand(int id)
{
    using namespace CommandId;
    return id == GraphScatter || id == GraphLine || id == GraphStacked || id == Graph3D || id == Legend;
}

bool CSorvView::IsCommandEnabled(int id) const
{
    using namespace CommandId;
    switch (id) {
    case ViewZoomIn: case ViewZoomOut: case SetView:
    case RotateXPlus: case RotateXMinus: case RotateYPlus: case RotateYMinus:
        return m_settings.m_nGraphType == 3;
    case SetSeries: return m_settings.m_nGraphType != 3;
    case ViewBack: return m_history.CanGoBack();
    case ViewForward: return m_history.CanGoForward();
    default:
        return HandlesCommand(id);
    }
}

bool CSorvView::IsCommandChecked(int id) const
{
    using namespace CommandId;
    switch (id) {
    case GraphScatter: return m_settings.m_nGraphType == 0;
    case GraphLine: return m_settings.m_nGraphType == 1;
    case GraphStacked: return m_settings.m_nGraphType == 2;
    case Graph3D: return m_settings.m_nGraphType == 3;
    case Legend: return m_settings.m_bLegend;
    default: return false;
    }
}

bool CSorvView::OnCommand(int id)
{
    using namespace CommandId;
    if (!IsCommandEnabled(id))
        return false;
    bool repaint = true;
    switch (id) {
    case GraphScatter: m_settings.m_nGraphType = 0; break;
    case GraphLine: m_settings.m_nGraphType = 1; break;
    case GraphStacked:
        m_settings.m_nGraphType = 2;
        NoteStackedPlacement();
        break;
    case Graph3D: m_settings.m_nGraphType = 3; break;
    case Legend: m_settings.m_bLegend = !m_settings.m_bLegend; break;
    case ViewZoomIn: repaint = ZoomIn(m_settings); break;
    case ViewZoomOut: repaint = ZoomOut(m_settings); break;
    case RotateXPlus: Rotate(kRotationStep, 0, 0); break;
    case RotateXMinus: Rotate(-kRotationStep, 0, 0); break;
    case RotateYPlus: Rotate(0, kRotationStep, 0); break;
    case RotateYMinus: Rotate(0, -kRotationStep, 0); break;
    case RotateZPlus: Rotate(0, 0, kRotationStep); break;
    case RotateZMinus: Rotate(0, 0, -kRotationStep); break;
    case SetAxis:
        RecordZoom();
        repaint = RunAxisCommand(m_settings, HorizontalAxisOf(m_doc, m_settings).time, window());
        RecordZoomChange();
        break;
    case SetColor: repaint = RunColorCommand(m_settings, window()); break;
    case SetTitle:
        repaint = RunTitleCommand(m_settings, m_doc->m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis, window());
        break;
    // The line pen shows only in the line chart.
    case SetLineAttr: repaint = RunLineAttrCommand(m_settings, window()) && m_settings.m_nGraphType == 1; break;
    case SetView: repaint = RunViewCommand(m_settings, window()); break;
    case SetSeries: repaint = RunSeriesCommand(m_settings, m_doc, window()); break;
    // The region belongs to the document, which redraws all its views.
    case Region:
        RecordZoom();
        RunRegionCommand(m_doc, window());
        RecordZoomChange();
        repaint = false;
        break;
    case ViewBack: repaint = StepZoom(m_history.Back()); break;
    case ViewForward: repaint = StepZoom(m_history.Forward()); break;
    default: break;
    }
    if (repaint)
        Invalidate();
    emit commandDone();
    return true;
}

// The stacked chart places x values only where they never fall.
void CSorvView::NoteStackedPlacement()
{
    if (!m_doc->m_x.IsEmpty() && PlacementOf(m_doc, 2) != HPlacement::XValues)
        emit notice(tr("x の値が減る所があるため、積層図は列番号の順に描きます。"));
}

void CSorvView::Rotate(double dx, double dy, double dz)
{
    SetRotation(m_settings, m_settings.m_dRotX + dx, m_settings.m_dRotY + dy, m_settings.m_dRotZ + dz);
}

void CSorvView::RecordZoom()
{
    m_zoomBefore = CZoomState::Of(m_doc, m_settings);
    m_history.Record(m_zoomBefore);
}

void CSorvView::RecordZoomChange()
{
    const CZoomState state = CZoomState::Of(m_doc, m_settings);
    m_history.Record(state);
    if (!(state == m_zoomBefore))
        emit zoomedByUser();
}

bool CSorvView::StepZoom(const std::optional<CZoomState>& state)
{
    if (!state || !RestoreZoom(*state, m_doc, m_settings))
        return false;
    emit zoomedByUser();
    return true;
}

void CSorvView::Invalidate()
{
    m_page.Invalidate();
    update();
}

void CSorvView::OnUpdate()
{
    if (!RegionSeen()) {
        FollowRegion(m_settings, m_doc);
        SeeRegion();
    }
    Invalidate();
}

void CSorvView::OnReload(const CAxesFollow& follow)
{
    FollowDocument(m_settings, m_doc, follow);
    SeeRegion();
    Invalidate();
}

void CSorvView::SeeRegion()
{
    const int region[4] = {m_doc.m_nX1, m_doc.m_nY1, m_doc.m_nX2, m_doc.m_nY2};
    std::copy(region, region + 4, m_nSeenRegion);
}

bool CSorvView::RegionSeen() const
{
    const int region[4] = {m_doc.m_nX1, m_doc.m_nY1, m_doc.m_nX2, m_doc.m_nY2};
    return std::equal(region, region + 4, m_nSeenRegion);
}

bool CSorvView::WaitForPage(int timeoutMs)
{
    EnsurePage();
    QDeadlineTimer deadline(timeoutMs);
    while (!m_page.IsCurrent()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        QThread::msleep(1);
    }
    return true;
}

bool CSorvView::OnCharacter(QChar c)
{
    if (m_settings.m_nGraphType != 3)
        return false;
    switch (c.unicode()) {
    case '*': StretchValues(m_settings, 1.5); break;
    case '/': StretchValues(m_settings, 2.0 / 3.0); break;
    case '+': case 'I': case 'i': return OnCommand(CommandId::ViewZoomIn);
    case '-': case 'O': case 'o': return OnCommand(CommandId::ViewZoomOut);
    case 'X': case 'x': return OnCommand(CommandId::RotateXPlus);
    case 'Y': case 'y': return OnCommand(CommandId::RotateYPlus);
    case 'Z': case 'z': return OnCommand(CommandId::RotateZPlus);
    default: return false;
    }
    Invalidate();
    emit commandDone();
    return true;
}

void CSorvView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if ((text.size() == 1 && OnCharacter(text.at(0))) || OnPanKey(event))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

bool CSorvView::OnPanKey(const QKeyEvent* event)
{
    if (event->modifiers() != Qt::ControlModifier || m_settings.m_nGraphType == 3)
        return false;
    const CPageLayout& l = Layout();
    const int dx = (l.m_nPlotRight - l.m_nPlotLeft) / 10;
    const int dy = (l.m_nPlotTop - l.m_nPlotBottom) / 10;
    int x = 0, y = 0;
    switch (event->key()) {
    case Qt::Key_Left: x = dx; break;
    case Qt::Key_Right: x = -dx; break;
    case Qt::Key_Up: y = -dy; break;
    case Qt::Key_Down: y = dy; break;
    default: return false;
    }
    RecordZoom();
    if (PanView2D(m_settings, m_doc, l, x, y)) {
        RecordZoomChange();
        Invalidate();
        emit commandDone();
    }
    return true;
}

void CSorvView::EnsurePage()
{
    m_page.Ensure(m_doc, m_settings, size(), devicePixelRatioF(), kMinTextPixels);
}

// An auto-repeated key is one held down; the release that ends it is not auto-repeated.
bool CSorvView::event(QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::ShortcutOverride || type == QEvent::KeyPress) {
        if (static_cast<QKeyEvent*>(event)->isAutoRepeat())
            m_page.SetTurning(true);
    } else if (type == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
        EndTurning();
    }
    return QWidget::event(event);
}

// The release of a held key may go to another window.
void CSorvView::focusOutEvent(QFocusEvent* event)
{
    EndTurning();
    QWidget::focusOutEvent(event);
}

void CSorvView::EndTurning()
{
    if (m_page.SetTurning(false))
        update();
}

void CSorvView::paintEvent(QPaintEvent*)
{
    EnsurePage();
    QPainter painter(this);
    m_page.Paint(painter, rect(), m_settings.m_crBackground);
    if (m_drag.m_bDragging) {
        // The rubber band inverts what lies under it; it is never part of the page.
        painter.setCompositionMode(QPainter::RasterOp_NotDestination);
        painter.fillRect(BandRect(), Qt::black);
    }
}

namespace {

// A coordinate in whole pixels from 0 to size - 1.
int ClampToPixel(double v, int size)
{
    if (!std::isfinite(v) || size <= 0)
        return 0;
    return int(std::clamp(std::floor(v), 0.0, double(size - 1)));
}

}  // namespace

CPoint CSorvView::ClientPoint(const QSinglePointEvent* event) const
{
    const QPointF p = event->position();
    return {ClampToPixel(p.x(), width()), ClampToPixel(p.y(), height())};
}

CPoint CSorvView::ShownPagePoint(CPoint p) const
{
    const CPageLayout& l = Layout();
    if ((l.m_nPageWidth == width() && l.m_nPageHeight == height()) || width() <= 0 || height() <= 0)
        return p;
    return {int(std::int64_t(p.x) * l.m_nPageWidth / width()), int(std::int64_t(p.y) * l.m_nPageHeight / height())};
}

QRect CSorvView::BandRect() const
{
    const CPoint a = m_drag.m_ptDragStart;
    const CPoint b = m_drag.m_ptDragEnd;
    if (m_drag.m_bXOnly)
        return QRect(std::min(a.x, b.x), 0, std::abs(b.x - a.x), height());
    return QRect(std::min(a.x, b.x), std::min(a.y, b.y), std::abs(b.x - a.x), std::abs(b.y - a.y));
}

void CSorvView::KeepCursorInside(const QMouseEvent* event)
{
    const QRect area(mapToGlobal(QPoint(0, 0)), size());
    if (area.isEmpty())
        return;
    const QPoint global = event->globalPosition().toPoint();
    const QPoint inside(std::clamp(global.x(), area.left(), area.right()),
                        std::clamp(global.y(), area.top(), area.bottom()));
    if (inside != global)
        QCursor::setPos(screen(), inside);
}

void CSorvView::EndDrag()
{
    if (!m_drag.m_bDragging)
        return;
    m_drag.m_bDragging = false;
    update(BandRect());
}

// Qt grabs the mouse for the widget while a button is held.
void CSorvView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() == Qt::MiddleButton && m_settings.m_nGraphType != 3 && !m_drag.m_bDragging) {
        RecordZoom();
        m_pan = {true, ClientPoint(event), CZoomState::Of(m_doc, m_settings), Layout()};
        return;
    }
    if (event->button() != Qt::LeftButton)
        return QWidget::mousePressEvent(event);
    if (event->modifiers() == Qt::NoModifier && ToggleSeriesAt(ClientPoint(event)))
        return;
    // Shift+drag turns the 3D chart, in drafts until the button is released.
    if (event->modifiers().testFlag(Qt::ShiftModifier) && m_settings.m_nGraphType == 3) {
        m_page.SetTurning(true);
        return m_rotate.Begin(ClientPoint(event), m_settings);
    }
    m_drag.m_bDragging = true;
    m_drag.m_bXOnly = event->modifiers().testFlag(Qt::ControlModifier) && m_settings.m_nGraphType != 3;
    m_drag.m_ptDragStart = m_drag.m_ptDragEnd = ClientPoint(event);
}

// A click on a legend entry of a 2D chart hides or shows its series.
bool CSorvView::ToggleSeriesAt(CPoint client)
{
    const CPageLayout& l = Layout();
    const CPoint p = ShownPagePoint(client);
    const std::optional<int> row = m_settings.m_nGraphType == 3
                                       ? std::nullopt
                                       : LegendEntryAt(m_doc, l, p.x, l.m_nPageHeight - 1 - p.y);
    if (!row)
        return false;
    std::vector<CSeriesStyle> styles = m_settings.m_series;
    styles.resize(std::max(styles.size(), std::size_t(*row) + 1));
    styles[std::size_t(*row)].m_bHidden = !styles[std::size_t(*row)].m_bHidden;
    RestyleSeries(m_settings, m_doc, std::move(styles));
    Invalidate();
    emit commandDone();
    return true;
}

// The view moves by the whole way from where the button went down, mapped
// through the page shown then.
void CSorvView::PanTo(CPoint p)
{
    const CPoint a = ShownPagePoint(m_pan.m_ptStart);
    const CPoint b = ShownPagePoint(p);
    RestoreZoom(m_pan.m_from, m_doc, m_settings);
    PanView2D(m_settings, m_doc, m_pan.m_layout, b.x - a.x, a.y - b.y);
    Invalidate();
}

// Only the pixels of the old and the new band are painted again, from the kept page.
void CSorvView::mouseMoveEvent(QMouseEvent* event)
{
    const CPoint p = ClientPoint(event);
    if (m_pan.m_bActive)
        return PanTo(p);
    if (m_rotate.IsActive()) {
        m_rotate.MoveTo(p, m_settings);
        Invalidate();
        // The readout of the 3D chart shows the angles.
        emit cursorMoved(QPoint(p.x, p.y));
        return;
    }
    if (!m_drag.m_bDragging) {
        emit cursorMoved(QPoint(p.x, p.y));
        return QWidget::mouseMoveEvent(event);
    }
    KeepCursorInside(event);
    const QRect oldBand = BandRect();
    m_drag.m_ptDragEnd = p;
    update(oldBand.united(BandRect()));
}

// The rectangle is the one last shown: from the start to the last move.
void CSorvView::mouseReleaseEvent(QMouseEvent* event)
{
    if (m_pan.m_bActive && event->button() == Qt::MiddleButton) {
        PanTo(ClientPoint(event));
        m_pan.m_bActive = false;
        RecordZoomChange();
        emit commandDone();
        return;
    }
    if (m_rotate.IsActive() && event->button() == Qt::LeftButton) {
        m_rotate.End();
        return EndTurning();
    }
    if (!m_drag.m_bDragging || event->button() != Qt::LeftButton)
        return QWidget::mouseReleaseEvent(event);
    EndDrag();
    // A click, or a drag along a line, zooms nothing; x alone needs only a width.
    const bool xOnly = m_drag.m_bXOnly;
    if (m_drag.m_ptDragStart.x == m_drag.m_ptDragEnd.x || (!xOnly && m_drag.m_ptDragStart.y == m_drag.m_ptDragEnd.y))
        return;
    // The rectangle maps through the page it was drawn over; x alone spans the plot's height.
    const CPageLayout& l = Layout();
    CPoint a = ShownPagePoint(m_drag.m_ptDragStart);
    CPoint b = ShownPagePoint(m_drag.m_ptDragEnd);
    if (xOnly) {
        a.y = l.m_nPageHeight - 1 - l.m_nPlotTop;
        b.y = l.m_nPageHeight - 1 - l.m_nPlotBottom;
    }
    RecordZoom();
    const bool changed = m_settings.m_nGraphType == 3
                             ? ZoomByDrag3D(m_doc, l, a, b, l.m_n3DWidth, l.m_nPageHeight)
                             : ZoomByDrag2D(m_settings, m_doc, l, a, b, l.m_nPageHeight, xOnly);
    RecordZoomChange();
    if (changed) {
        Invalidate();
        emit commandDone();
    }
}

void CSorvView::mouseDoubleClickEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QWidget::mouseDoubleClickEvent(event);
    EndDrag();
    RecordZoom();
    ResetZoom(m_settings, m_doc);
    RecordZoomChange();
    Invalidate();
    emit commandDone();
}

// Whole steps of the wheel; a touchpad's small turns add up to one.
void CSorvView::wheelEvent(QWheelEvent* event)
{
    m_nWheelDelta += event->angleDelta().y();
    const int steps = m_nWheelDelta / QWheelEvent::DefaultDeltasPerStep;
    m_nWheelDelta -= steps * QWheelEvent::DefaultDeltasPerStep;
    for (int i = 0; i < std::abs(steps); ++i)
        OnWheelStep(steps > 0, ShownPagePoint(ClientPoint(event)).x);
    event->accept();
}

void CSorvView::OnWheelStep(bool forward, int x)
{
    using namespace CommandId;
    if (m_settings.m_nGraphType == 3) {
        OnCommand(forward ? ViewZoomIn : ViewZoomOut);
    } else if (!forward) {
        OnCommand(ViewBack);
    } else {
        // Each step maps through the page shown, drawn before the last steps or not.
        RecordZoom();
        if (ZoomByWheel2D(m_settings, m_doc, Layout(), x)) {
            RecordZoomChange();
            Invalidate();
            emit commandDone();
        }
    }
}

void CSorvView::leaveEvent(QEvent* event)
{
    emit cursorLeft();
    QWidget::leaveEvent(event);
}

void CSorvView::contextMenuEvent(QContextMenuEvent* event)
{
    if (m_drag.m_bDragging || m_rotate.IsActive() || m_pan.m_bActive)
        return;
    emit contextMenuRequested(event->globalPos());
}
