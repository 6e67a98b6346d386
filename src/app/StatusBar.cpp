#include "app/StatusBar.h"

#include "app/AppResources.h"
#include "app/LockKeys.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

#include <algorithm>

CStatusBar::CStatusBar(QWidget* parent) : QStatusBar(parent)
{
    // Pane 0 takes the free width; prompts cover it while shown.
    addWidget(new QLabel(IdleStatusText()), 1);
    const char* const names[4] = {QT_TR_NOOP("ｶﾅ"), QT_TR_NOOP("CAP"), QT_TR_NOOP("NUM"), QT_TR_NOOP("SCRL")};
    int width = 0;
    for (int i = 0; i < 4; ++i) {
        m_indicators[i] = new QLabel(tr(names[i]));
        width = std::max(width, m_indicators[i]->fontMetrics().horizontalAdvance(m_indicators[i]->text()));
    }
    // The four panes are as wide as the widest name.
    for (int i = 0; i < 4; ++i) {
        m_indicators[i]->setFrameStyle(QFrame::Panel | QFrame::Sunken);
        m_indicators[i]->setAlignment(Qt::AlignCenter);
        m_indicators[i]->setMinimumWidth(width + 10);
        m_indicators[i]->setEnabled(false);
        addPermanentWidget(m_indicators[i]);
    }
    UpdateIndicators();
    qApp->installEventFilter(this);
}

CStatusBar::~CStatusBar()
{
    qApp->removeEventFilter(this);
}

void CStatusBar::UpdateIndicators()
{
    const std::optional<LockKeyState> keys = QueryLockKeys();
    const bool on[4] = {false, keys && keys->caps, keys && keys->num, keys && keys->scroll};
    for (int i = 0; i < 4; ++i)
        m_indicators[i]->setEnabled(on[i]);
}

bool CStatusBar::eventFilter(QObject* watched, QEvent* event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::KeyRelease || type == QEvent::ApplicationActivate)
        UpdateIndicators();
    return QStatusBar::eventFilter(watched, event);
}
