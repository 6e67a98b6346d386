#pragma once
// The main window's client area: the child windows over a background tiled
// with the picture of the word "Sorv".

#include <QMdiArea>
#include <QPixmap>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <vector>

class QMdiSubWindow;

class CMDIClientWnd : public QMdiArea {
    Q_OBJECT
public:
    static constexpr int kTileWidth = 160;
    static constexpr int kTileHeight = 64;
    // The smallest useful size of a chart window, when the area allows it.
    static constexpr QSize kMinChildSize{320, 240};

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

    // Cascades count windows in area: each one step (a title bar) down and
    // right of the one before, all of one size, as large as the area allows
    // after the steps. Where the steps would leave a window smaller than
    // minimum they start over at the top left.
    static std::vector<QRect> CascadeRects(const QRect& area, int count, int step, const QSize& minimum);

    // Puts a window just added where CascadePosition says, one title bar on from
    // the windows already there.
    void PlaceNewWindow(QMdiSubWindow* child);

    // The open windows as CascadeRects places them, the topmost in front.
    void Cascade();
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
    // The windows that are shown and not minimised, in the given order.
    std::vector<QMdiSubWindow*> ArrangedWindows(WindowOrder order) const;
    // Gives each window its rectangle, as a normal (not maximised) window.
    static void Place(const std::vector<QMdiSubWindow*>& windows, const std::vector<QRect>& rects);
    // Height of the row of minimised windows at the bottom (0 without any).
    int IconRowHeight() const;

    QPixmap m_tile;
};
