#pragma once
// The main window's client area: the child windows over a background tiled
// with the picture of the word "Sorv".

#include <QMdiArea>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <vector>

class QMdiSubWindow;

class CMDIClientWnd : public QMdiArea {
    Q_OBJECT
public:
    static constexpr int kTileWidth = 160;
    static constexpr int kTileHeight = 64;

    explicit CMDIClientWnd(QWidget* parent = nullptr);

    // Top-left corners of the tiles that cover a client area whose right and
    // bottom edges are right and bottom: columns outer, rows inner, from (0, 0).
    static std::vector<QPoint> TilePositions(int right, int bottom);
    // Places count windows in area: stacked top to bottom (or side by side),
    // in as many columns (rows) as the square root of count allows.
    static std::vector<QRect> TileRects(const QRect& area, int count, bool stacked);
    // Top-left corner of the index-th new window of size window in area: each
    // one step down and right of the one before, starting over at the top left
    // where the next would stick out of the area.
    static QPoint CascadePosition(int index, const QSize& area, const QSize& window, int step);

    // Puts a window just added where CascadePosition says, one title bar on from
    // the windows already there.
    void PlaceNewWindow(QMdiSubWindow* child);

    void TileStacked() { Tile(true); }
    void TileSideBySide() { Tile(false); }
    // Lines the minimised windows up along the bottom edge.
    void ArrangeIcons();

    // The 160 x 64 picture, drawn for the given pixel ratio.
    static QPixmap BackgroundTile(qreal ratio);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Tile(bool stacked);
    // Height of the row of minimised windows at the bottom (0 without any).
    int IconRowHeight() const;

    QPixmap m_tile;
};
