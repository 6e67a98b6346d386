#include "app/ShownPage.h"


#include <QColor>
#include <QPainter>

namespace {

QString FailureText(const CRenderedPage& page)
{
    if (page.noMemory)
        return CShownPage::tr("ﾒﾓﾘが足りないため、ｸﾞﾗﾌを描けませんでした。");
    return CShownPage::tr("ｸﾞﾗﾌを描けませんでした (%1)。").arg(QString::fromStdString(page.error));
}

}  // namespace

// The worker announces a finished page from its own thread; it is taken on the
// window's. A call still queued when this object goes is dropped with it.
CShownPage::CShownPage(QObject* parent)
    : QObject(parent)
    , m_renderer([this] { QMetaObject::invokeMethod(this, &CShownPage::TakePage, Qt::QueuedConnection); })
{
}

void CShownPage::Ensure(const CSorvDoc& doc, const CPlotSettings& s, QSize client, double ratio, double minText)
{
    if (m_bRequested && client == m_requestedSize && ratio == m_dRequestedRatio)
        return;
    const bool draft = m_bTurning && s.m_nGraphType == 3;
    m_nRequested = m_renderer.Request({&doc, s, client.width(), client.height(), ratio, draft, minText});
    m_bRequested = true;
    m_bDraftRequested = draft;
    m_requestedSize = client;
    m_dRequestedRatio = ratio;
}

bool CShownPage::SetTurning(bool on)
{
    m_bTurning = on;
    if (on || !m_bDraftRequested)
        return false;
    Invalidate();
    return true;
}

void CShownPage::Stop()
{
    m_renderer.Stop();
    Invalidate();
}

bool CShownPage::IsCurrent() const
{
    return m_bRequested && !m_bDraftRequested && m_nShown == m_nRequested;
}

void CShownPage::Paint(QPainter& painter, const QRect& client, COLORREF background) const
{
    if (m_image.isNull())
        painter.fillRect(client, QColor(GetRValue(background), GetGValue(background), GetBValue(background)));
    else if (m_image.deviceIndependentSize() == client.size())
        painter.drawImage(client.topLeft(), m_image);
    else
        painter.drawImage(QRectF(client), m_image);
}

void CShownPage::TakePage()
{
    std::optional<CRenderedPage> page = m_renderer.Take();
    if (!page)
        return;
    m_nShown = page->serial;
    if (!page->error.empty()) {
        emit drawFailed(FailureText(*page));
        return;
    }
    m_image = std::move(page->image);
    m_layout = page->layout;
    ++m_nDrawCount;
    emit pageShown();
}
