#include "dialogs/ColorSwatch.h"

#include <QPainter>

CColorSwatch::CColorSwatch(const COLORREF* color, QWidget* parent) : QFrame(parent), m_pColor(color)
{
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setLineWidth(1);
}

void CColorSwatch::paintEvent(QPaintEvent* event)
{
    QFrame::paintEvent(event);
    // The colour filled and outlined in black, inside the sunken edge.
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(QColor(GetRValue(*m_pColor), GetGValue(*m_pColor), GetBValue(*m_pColor)));
    painter.drawRect(contentsRect().adjusted(0, 0, -1, -1));
}
