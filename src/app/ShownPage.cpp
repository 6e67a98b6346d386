#include "app/ShownPage.h"

#include "doc/SorvDoc.h"

#include <QColor>
#include <QPainter>

namespace {

// An exact page that takes longer than this gets a draft first.
constexpr long long kDraftAfterMs = 100;
// Before the first exact page: the cells of a region that take about that long.
constexpr long long kDraftCells = 2000000;
constexpr int kProgressAfterMs = 1000;

}  // namespace

QString CShownPage::FailureText(const CRenderedPage& page)
{
    if (page.noMemory)
        return tr("ﾒﾓﾘが足りないため、ｸﾞﾗﾌを描けませんでした。");
    return tr("ｸﾞﾗﾌを描けませんでした (%1)。").arg(QString::fromStdString(page.error));
}

int CShownPage::PercentToTell(const QElapsedTimer& since, const CPageRenderer& renderer)
{
    return since.elapsed() >= kProgressAfterMs ? renderer.Progress() / 10 : -1;
}

// The worker announces a finished page from its own thread; it is taken on the
// window's. A call still queued when this object goes is dropped with it.
CShownPage::CShownPage(QObject* parent)
    : QObject(parent)
    , m_renderer([this] { QMetaObject::invokeMethod(this, &CShownPage::TakePage, Qt::QueuedConnection); })
{
    m_watch.setInterval(kWatchMs);
    connect(&m_watch, &QTimer::timeout, this, &CShownPage::WatchDrawing);
}

void CShownPage::Ensure(const CDocSnapshot& doc, const CPlotSettings& s, QSize client, double ratio, double minText)
{
    if (m_bRequested && client == m_requestedSize && ratio == m_dRequestedRatio)
        return;
    const bool draft = m_bTurning && s.m_nGraphType == 3;
    m_nRequested = m_renderer.Request(
        {doc, s, client.width(), client.height(), ratio, draft, !draft && ExpectSlow(doc, s), minText});
    m_sinceRequest.start();
    if (!draft)
        m_watch.start();
    m_bRequested = true;
    m_bDraftRequested = draft;
    m_requestedSize = client;
    m_dRequestedRatio = ratio;
}

bool CShownPage::ExpectSlow(const CDocSnapshot& doc, const CPlotSettings& s) const
{
    // The stacked chart has no draft of its own.
    if (s.m_nGraphType == 2)
        return false;
    const long long last = m_renderer.LastExactMs();
    if (last >= 0)
        return last > kDraftAfterMs;
    return doc.RegionCells() > kDraftCells;
}

void CShownPage::WatchDrawing()
{
    if (IsCurrent()) {
        m_watch.stop();
        emit drawingDone();
        return;
    }
    emit drawing(PercentToTell(m_sinceRequest, m_renderer));
}

bool CShownPage::SetTurning(bool on)
{
    m_bTurning = on;
    if (on || !m_bDraftRequested)
        return false;
    Invalidate();
    return true;
}

bool CShownPage::IsCurrent() const
{
    return m_bRequested && !m_bDraftRequested && !m_bShownDraft && m_nShown == m_nRequested;
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
    m_bShownDraft = page->draft;
    if (!page->error.empty()) {
        emit drawFailed(FailureText(*page));
        return;
    }
    m_image = std::move(page->image);
    m_layout = page->layout;
    ++m_nDrawCount;
    m_nExactCount += !page->draft;
    emit pageShown();
    if (IsCurrent()) {
        m_watch.stop();
        emit drawingDone();
    }
}
