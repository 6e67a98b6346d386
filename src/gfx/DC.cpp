#include "gfx/DC.h"

int CDC::GetDeviceCaps(int index) const
{
    if (index == HORZSIZE)
        return m_nHorzSize;
    if (index == VERTSIZE)
        return m_nVertSize;
    return 0;
}

void CDC::SetPrintableSize(int widthMm, int heightMm)
{
    m_nHorzSize = widthMm;
    m_nVertSize = heightMm;
}

void CDC::SetScreenMapping(int /*clientWidth*/, int clientHeight)
{
    // The width maps one to one; only the height flips the y axis.
    m_mapping = Mapping::Screen;
    m_nClientHeight = clientHeight;
    OnMappingChanged();
}

void CDC::SetLoMetricMapping(int originX, int originY)
{
    m_mapping = Mapping::LoMetric;
    m_nOriginX = originX;
    m_nOriginY = originY;
    OnMappingChanged();
}

CDC::PageMap CDC::GetPageMap(double dotsPerMm) const
{
    if (m_mapping == Mapping::Screen)
        return {1.0, -1.0, 0.0, m_nClientHeight - 1.0};
    if (m_mapping == Mapping::LoMetric) {
        const double scale = dotsPerMm / 10.0;
        return {scale, -scale, -m_nOriginX * scale, m_nOriginY * scale};
    }
    return {};
}

void CDC::SetPageSize(int width, int height)
{
    OnPageSize(width, height);
}

CPen CDC::SelectObject(const CPen& pen)
{
    CPen old = m_pen;
    if (!(pen == m_pen)) {
        m_pen = pen;
        OnPenChanged();
    }
    return old;
}

CBrush CDC::SelectObject(const CBrush& brush)
{
    CBrush old = m_brush;
    if (!(brush == m_brush)) {
        m_brush = brush;
        OnBrushChanged();
    }
    return old;
}

CFont CDC::SelectObject(const CFont& font)
{
    CFont old = m_font;
    if (!(font == m_font)) {
        m_font = font;
        OnFontChanged();
    }
    return old;
}

void CDC::Rectangle(int left, int top, int right, int bottom)
{
    DoRectangle(left, top, right, bottom);
}

void CDC::Polygon(const CPoint* points, int count)
{
    if (count >= 2)
        DoPolygon(points, count);
}

void CDC::Polyline(const CPoint* points, int count)
{
    if (count >= 2)
        DoPolyline(points, count);
}

void CDC::TextOut(int x, int y, const char* text, int count)
{
    if (count > 0)
        DoTextOut(x, y, text, count);
}

void CDC::IntersectClipRect(int left, int top, int right, int bottom)
{
    DoClip(left, top, right, bottom);
}

void CDC::SelectClipRgnNull()
{
    DoClipOff();
}
