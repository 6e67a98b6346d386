#include "app/ReadProgressPane.h"

#include "app/DocLoader.h"
#include "read/SystemMemory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolButton>

#include <algorithm>

namespace {
// A read quicker than this shows nothing.
constexpr qint64 kShownAfterMs = 300;
constexpr int kRefreshMs = 100;

}  // namespace

CReadProgressPane::CReadProgressPane(QWidget* parent)
    : QWidget(parent), m_label(new QLabel(this)), m_bar(new QProgressBar(this)), m_cancel(new QToolButton(this))
{
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_label);
    layout->addWidget(m_bar);
    layout->addWidget(m_cancel);
    m_bar->setRange(0, 100);
    m_bar->setMaximumWidth(200);
    m_cancel->setText(tr("中止"));
    m_cancel->setToolTip(tr("読み込みを中止します (Esc)"));
    connect(m_cancel, &QToolButton::clicked, this, &CReadProgressPane::CancelAll);
    connect(&m_timer, &QTimer::timeout, this, &CReadProgressPane::Refresh);
    hide();
}

void CReadProgressPane::Watch(CDocLoader* loader)
{
    m_loaders.emplace_back(loader);
    if (!m_timer.isActive())
        m_timer.start(kRefreshMs);
}

namespace {

// A loader that finished is done, also while a message about it keeps it from being deleted.
bool Reading(const QPointer<CDocLoader>& loader)
{
    return !loader.isNull() && !loader->IsFinished();
}

}  // namespace

bool CReadProgressPane::IsReading() const
{
    return std::any_of(m_loaders.begin(), m_loaders.end(), Reading);
}

void CReadProgressPane::CancelAll()
{
    for (const QPointer<CDocLoader>& loader : m_loaders)
        if (Reading(loader))
            loader->Cancel();
}

// The newest read names the pane; the bar shows the mean share of them all,
// or runs without end while a stream of unknown length arrives.
void CReadProgressPane::Refresh()
{
    std::erase_if(m_loaders, [](const QPointer<CDocLoader>& l) { return !Reading(l); });
    if (m_loaders.empty()) {
        m_timer.stop();
        hide();
        emit idle();
        return;
    }
    const CDocLoader& newest = *m_loaders.back();
    if (isHidden() && m_loaders.front()->Elapsed() < kShownAfterMs)
        return;
    double sum = 0;
    bool streaming = false;
    for (const QPointer<CDocLoader>& l : m_loaders) {
        const double f = l->Progress().Fraction();
        streaming = streaming || f < 0;
        sum += std::max(f, 0.0);
    }
    QString text = m_loaders.size() == 1 ? tr("%1 を読み込み中").arg(DisplayName(newest.Request()))
                                         : tr("%1 ほか %2 件を読み込み中").arg(DisplayName(newest.Request())).arg(m_loaders.size() - 1);
    if (streaming)
        text += QStringLiteral(" (%1)").arg(QString::fromStdString(FormatBytes(newest.Progress().BytesIn())));
    m_label->setText(text);
    m_bar->setRange(0, streaming ? 0 : 100);
    m_bar->setValue(int(100 * sum / double(m_loaders.size())));
    // A message of the status bar would cover the pane.
    if (isHidden())
        if (auto* bar = qobject_cast<QStatusBar*>(parentWidget()))
            bar->clearMessage();
    show();
}
