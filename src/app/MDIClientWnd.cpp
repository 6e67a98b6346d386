#include "app/MDIClientWnd.h"

#include <QPainter>
#include <QPainterPath>
#include <QMdiSubWindow>
#include <QPaintEvent>
#include <QStyle>

#include <cmath>

CMDIClientWnd::CMDIClientWnd(QWidget* parent) : QMdiArea(parent) {}

std::vector<QPoint> CMDIClientWnd::TilePositions(int right, int bottom)
{
    std::vector<QPoint> tiles;
    if (right < 0 || bottom < 0)
        return tiles;
    for (int x = 0; x <= right; x += kTileWidth)
        for (int y = 0; y <= bottom; y += kTileHeight)
            tiles.emplace_back(x, y);
    return tiles;
}

QPixmap CMDIClientWnd::BackgroundTile(qreal ratio)
{
    QPixmap tile((QSizeF(kTileWidth, kTileHeight) * ratio).toSize());
    tile.setDevicePixelRatio(ratio);
    tile.fill(QColor(160, 160, 164));
    QPainter p(&tile);
    // Thin stripes.
    p.setPen(QPen(QColor(172, 172, 176), 1));
    for (int y = 1; y < kTileHeight; y += 4)
        p.drawLine(QPointF(0, y + 0.5), QPointF(kTileWidth, y + 0.5));

    // The word, slanted by a shear so that any face gives italics.
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(50);
    font.setBold(true);
    QPainterPath word;
    word.addText(0, 0, font, QStringLiteral("Sorv"));
    const QRectF box = word.boundingRect();
    QTransform place;
    place.translate(kTileWidth / 2.0, kTileHeight / 2.0);
    place.shear(-0.3, 0);
    place.translate(-box.center().x(), -box.center().y());
    word = place.map(word);

    p.setRenderHint(QPainter::Antialiasing);
    p.translate(2, 2);
    p.fillPath(word, QColor(120, 120, 126));  // shadow
    p.translate(-2, -2);
    p.fillPath(word, QColor(184, 184, 190));
    p.strokePath(word, QPen(QColor(232, 232, 236), 1.2));
    p.end();
    return tile;
}

void CMDIClientWnd::paintEvent(QPaintEvent*)
{
    const qreal ratio = viewport()->devicePixelRatioF();
    if (m_tile.isNull() || m_tile.devicePixelRatio() != ratio)
        m_tile = BackgroundTile(ratio);
    QPainter painter(viewport());
    const QRect client = viewport()->rect();
    for (const QPoint& at : TilePositions(client.width(), client.height()))
        painter.drawPixmap(at, m_tile);
}

std::vector<QRect> CMDIClientWnd::TileRects(const QRect& area, int count, bool stacked)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    // Lay out for "stacked" in a transposed area and turn the result back.
    const int across = stacked ? area.width() : area.height();
    const int along = stacked ? area.height() : area.width();
    const int lanes = std::max(1, int(std::sqrt(double(count))));
    int placed = 0;
    for (int lane = 0; lane < lanes; ++lane) {
        // The last lanes take one window more when count does not divide evenly.
        const int inLane = count / lanes + (lane >= lanes - count % lanes ? 1 : 0);
        const int a0 = across * lane / lanes;
        const int a1 = across * (lane + 1) / lanes;
        for (int k = 0; k < inLane; ++k, ++placed) {
            const int b0 = along * k / inLane;
            const int b1 = along * (k + 1) / inLane;
            const QRect r = stacked ? QRect(a0, b0, a1 - a0, b1 - b0) : QRect(b0, a0, b1 - b0, a1 - a0);
            rects.push_back(r.translated(area.topLeft()));
        }
    }
    return rects;
}

std::vector<QRect> CMDIClientWnd::CascadeRects(const QRect& area, int count, int step, const QSize& minimum)
{
    std::vector<QRect> rects;
    if (count <= 0)
        return rects;
    step = std::max(step, 1);
    // How many steps fit before a window would fall below the minimum size.
    const int room = std::min(area.width() - minimum.width(), area.height() - minimum.height());
    const int positions = std::min(count, std::max(room, 0) / step + 1);
    const int shrink = (positions - 1) * step;
    const QSize size(std::max(area.width() - shrink, 1), std::max(area.height() - shrink, 1));
    for (int i = 0; i < count; ++i) {
        const int at = i % positions * step;
        rects.emplace_back(area.topLeft() + QPoint(at, at), size);
    }
    return rects;
}

QPoint CMDIClientWnd::CascadePosition(int index, const QSize& area, const QSize& window, int step)
{
    if (index <= 0 || step <= 0)
        return {0, 0};
    const int room = std::min(area.width() - window.width(), area.height() - window.height());
    const int positions = std::max(room, 0) / step + 1;
    const int at = index % positions * step;
    return {at, at};
}

void CMDIClientWnd::PlaceNewWindow(QMdiSubWindow* child)
{
    const int step = child->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, child);
    const int others = int(subWindowList().size()) - 1;
    child->move(CascadePosition(others, viewport()->size(), child->size(), step));
}

int CMDIClientWnd::IconRowHeight() const
{
    for (QMdiSubWindow* child : subWindowList())
        if (child->isVisible() && child->isMinimized())
            return child->height();
    return 0;
}

std::vector<QMdiSubWindow*> CMDIClientWnd::ArrangedWindows(WindowOrder order) const
{
    std::vector<QMdiSubWindow*> windows;
    for (QMdiSubWindow* child : subWindowList(order))
        if (child->isVisible() && !child->isMinimized())
            windows.push_back(child);
    return windows;
}

void CMDIClientWnd::Place(const std::vector<QMdiSubWindow*>& windows, const std::vector<QRect>& rects)
{
    for (std::size_t i = 0; i < windows.size(); ++i) {
        if (windows[i]->isMaximized())
            windows[i]->showNormal();
        windows[i]->setGeometry(rects[i]);
    }
}

void CMDIClientWnd::Tile(bool stacked)
{
    const std::vector<QMdiSubWindow*> windows = ArrangedWindows(CreationOrder);
    QRect area = viewport()->rect();
    area.setBottom(area.bottom() - IconRowHeight());
    Place(windows, TileRects(area, int(windows.size()), stacked));
}

void CMDIClientWnd::Cascade()
{
    const std::vector<QMdiSubWindow*> windows = ArrangedWindows(StackingOrder);
    if (windows.empty())
        return;
    QRect area = viewport()->rect();
    area.setBottom(area.bottom() - IconRowHeight());
    const int step = windows.front()->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.front());
    Place(windows, CascadeRects(area, int(windows.size()), step, kMinChildSize));
}

void CMDIClientWnd::ArrangeIcons()
{
    const QRect area = viewport()->rect();
    int x = 0;
    int y = area.bottom() + 1;
    for (QMdiSubWindow* child : subWindowList()) {
        if (!child->isVisible() || !child->isMinimized())
            continue;
        if (x > 0 && x + child->width() > area.width()) {
            x = 0;
            y -= child->height();
        }
        child->move(x, y - child->height());
        x += child->width();
    }
}
