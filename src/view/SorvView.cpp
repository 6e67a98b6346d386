#include "view/SorvView.h"

#include "dialogs/SettingsCommands.h"
#include "doc/SorvDoc.h"
#include "view/CommandIds.h"
#include "view/PageDraw.h"
#include "view/ViewCommands.h"

#include <QKeyEvent>
#include <QPainter>

namespace {
constexpr double kRotationStep = 22.5;
}

CSorvView::CSorvView(CSorvDoc& doc, QWidget* parent) : QWidget(parent), m_doc(doc)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    setMouseTracking(false);
    InitialUpdate(m_settings, m_doc);
}

bool CSorvView::HandlesCommand(int id)
{
    using namespace CommandId;
    switch (id) {
    case GraphScatter: case GraphLine: case GraphStacked: case Graph3D:
    case Legend: case ViewZoomIn: case ViewZoomOut:
    case SetAxis: case SetColor: case SetLineAttr: case SetTitle: case SetView: case Region:
    case RotateXPlus: case RotateXMinus: case RotateYPlus: case RotateYMinus:
    case RotateZPlus: case RotateZMinus:
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
    case GraphStacked: m_settings.m_nGraphType = 2; break;
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
    case SetAxis: repaint = RunAxisCommand(m_settings); break;
    case SetColor: repaint = RunColorCommand(m_settings); break;
    case SetTitle:
        repaint = RunTitleCommand(m_settings, m_doc.m_bUtf8 ? TextEncoding::Utf8 : TextEncoding::ShiftJis);
        break;
    // The line pen shows only in the line chart.
    case SetLineAttr: repaint = RunLineAttrCommand(m_settings) && m_settings.m_nGraphType == 1; break;
    case SetView: repaint = RunViewCommand(m_settings); break;
    // The region belongs to the document, which redraws all its views.
    case Region: RunRegionCommand(m_doc); repaint = false; break;
    default: break;
    }
    if (repaint)
        Invalidate();
    emit commandDone();
    return true;
}

void CSorvView::Rotate(double dx, double dy, double dz)
{
    SetRotation(m_settings, m_settings.m_dRotX + dx, m_settings.m_dRotY + dy, m_settings.m_dRotZ + dz);
}

void CSorvView::Invalidate()
{
    m_bPageValid = false;
    update();
}

bool CSorvView::OnCharacter(QChar c)
{
    if (m_settings.m_nGraphType != 3)
        return false;
    switch (c.unicode()) {
    case '*': m_settings.m_dScaleZ *= 1.5; break;
    case '/': m_settings.m_dScaleZ *= 2.0 / 3.0; break;
    case '+': case 'I': case 'i': return OnCommand(CommandId::ViewZoomIn);
    case '-': case 'O': case 'o': return OnCommand(CommandId::ViewZoomOut);
    case 'X': case 'x': Rotate(kRotationStep, 0, 0); break;
    case 'Y': case 'y': Rotate(0, kRotationStep, 0); break;
    case 'Z': case 'z': Rotate(0, 0, kRotationStep); break;
    default: return false;
    }
    Invalidate();
    emit commandDone();
    return true;
}

void CSorvView::keyPressEvent(QKeyEvent* event)
{
    const QString text = event->text();
    if (text.size() == 1 && OnCharacter(text.at(0)))
        event->accept();
    else
        QWidget::keyPressEvent(event);
}

void CSorvView::resizeEvent(QResizeEvent* event)
{
    m_bPageValid = false;
    QWidget::resizeEvent(event);
}

void CSorvView::RenderPage(const QSize& deviceSize, qreal ratio)
{
    m_imgPage = QImage(deviceSize, QImage::Format_RGB32);
    m_imgPage.setDevicePixelRatio(ratio);
    const COLORREF bk = m_settings.m_crBackground;
    m_imgPage.fill(QColor(GetRValue(bk), GetGValue(bk), GetBValue(bk)));
    ++m_nDrawCount;
}

void CSorvView::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QSize deviceSize = (QSizeF(size()) * ratio).toSize();
    if (!m_bPageValid || m_imgPage.size() != deviceSize || m_imgPage.devicePixelRatio() != ratio) {
        RenderPage(deviceSize, ratio);
        m_bPageValid = true;
    }
    QPainter painter(this);
    painter.drawImage(0, 0, m_imgPage);
}
