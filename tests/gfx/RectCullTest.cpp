// Rectangles that later ones paint over are left out, and the rest of whole
// corners are written straight into the image: the pixels must be QPainter's.
// The footprints the cull rests on are checked against QPainter itself, then
// scatter charts' markers of every size drawn both ways on every device.

#include "SamePixels.h"
#include "gfx/RectCull.h"

#include <random>

namespace {

// Pens rectangles are outlined with: the scatter markers' one pixel, wide and
// dashed ones.
const CPen kPens[] = {{PS_SOLID, 0, RGB(0, 0, 0)}, {PS_SOLID, 1, RGB(0, 90, 0)}, {PS_SOLID, 3, RGB(90, 0, 0)},
                      {PS_DOT, 0, RGB(0, 0, 90)}, {PS_DASH, 2, RGB(60, 60, 0)}};

// QPainter's pixels of one rectangle, drawn as CPainterDC draws it on a
// device of `scale` pixels a page unit.
QImage DrawnAlone(const CPen& pen, const CBox& page, double scale, QPointF offset)
{
    QImage image(120, 120, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setTransform(QTransform(scale, 0, 0, scale, offset.x(), offset.y()));
    {
        CPainterDC dc(painter, 1.0);
        dc.SetFastPaths(false);
        dc.SelectObject(pen);
        dc.SelectObject(CBrush{RGB(255, 0, 0)});
        dc.Rectangle(page.left, page.top, page.right, page.bottom);
    }
    painter.end();
    return image;
}

bool Contains(const CBox& box, int x, int y)
{
    return x >= box.left && x <= box.right && y >= box.top && y <= box.bottom;
}

TEST(RectCull, FootprintsHoldForQPaintersRectangles)
{
    EnsureGuiApp();
    std::mt19937 rng(42);
    std::uniform_int_distribution<int> pos(0, 12), size(0, 9);
    std::uniform_real_distribution<double> frac(0.0, 1.0);
    for (double scale : {1.0, 1.25, 1.5, 2.0, 300 / 254.0, 600 / 254.0, 1200 / 254.0}) {
        for (int i = 0; i < 1000; ++i) {
            const CPen& pen = kPens[i % 5];
            const CBox page{pos(rng), pos(rng), 0, 0};
            const CBox rect{page.left, page.top, page.left + size(rng), page.top + size(rng)};
            const QPointF offset = i % 3 == 0 ? QPointF(5, 5) : QPointF(5 + frac(rng), 5 + frac(rng));
            const QTransform t(scale, 0, 0, scale, offset.x(), offset.y());
            const QRectF device = t.mapRect(QRectF(QPointF(rect.left, rect.top), QPointF(rect.right, rect.bottom)));
            const CRectFootprint f = RectFootprint(device.left(), device.top(), device.right(), device.bottom(),
                                                   pen.width * scale, pen.style == PS_SOLID);
            const QImage image = DrawnAlone(pen, rect, scale, offset);
            SCOPED_TRACE("scale " + std::to_string(scale) + " rectangle " + std::to_string(i));
            for (int y = 0; y < image.height(); ++y) {
                for (int x = 0; x < image.width(); ++x) {
                    const bool painted = image.pixel(x, y) != qRgb(255, 255, 255);
                    ASSERT_TRUE(!painted || Contains(f.may, x, y)) << x << "," << y;
                    ASSERT_TRUE(painted || !Contains(f.surely, x, y)) << x << "," << y;
                }
            }
        }
    }
}

// The scatter chart's markers: per series a brush, squares of half-size f
// around points many to a pixel, clustered and scattered, some flat, some far
// off the page and some huge, under a clip.
void DrawMarkers(CDC& dc, const CPen& pen, int f, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_int_distribution<int> x(-10, 90), y(-10, 70), near(-2, 2), odd(0, 200);
    dc.SelectObject(pen);
    dc.IntersectClipRect(3, 58, 77, 6);
    for (int series = 0; series < 3; ++series) {
        dc.SelectObject(CBrush{RGB(80 * series, 255 - 60 * series, 40)});
        CPoint c{x(rng), y(rng)};
        for (int i = 0; i < 600; ++i) {
            c = i % 50 == 0 ? CPoint{x(rng), y(rng)} : CPoint{c.x + near(rng), c.y + near(rng)};
            const int pick = odd(rng);
            if (pick == 0)
                dc.Rectangle(c.x - f, c.y, c.x + f, c.y);  // flat
            else if (pick == 1)
                dc.Rectangle(-1000000000, 1000000000, 1000000000, -1000000000);
            else if (pick == 2)
                dc.Rectangle(c.x + 100000, c.y - f, c.x + 100000 + 2 * f, c.y + f);
            else
                dc.Rectangle(c.x + f, c.y - f, c.x - f, c.y + f);  // corners either way round
        }
    }
    dc.SelectClipRgnNull();
}

// Every half-size a window's page gives (2 to 21 for widths up to 10000
// pixels), the printed page's larger ones and 1.
std::vector<int> HalfSizes()
{
    std::vector<int> sizes{1, 42, 84};
    for (int f = 2; f <= 21; ++f)
        sizes.push_back(f);
    return sizes;
}

TEST(RectCull, ScatterMarkersDrawTheSamePixels)
{
    for (int f : HalfSizes()) {
        for (const CPen& pen : kPens) {
            SCOPED_TRACE("half-size " + std::to_string(f) + " pen " + std::to_string(pen.style) + "," +
                         std::to_string(pen.width));
            ExpectSamePixels([&](CDC& dc) { DrawMarkers(dc, pen, f, 5 + unsigned(f)); }, 80, 64);
        }
    }
}

// The cull itself: a rectangle is left out when later ones surely paint every
// pixel it may paint, when the same page rectangle comes again later, or when
// none of its pixels is visible. Rectangles are told apart by their left.
TEST(RectCull, LeavesOutWhatLaterOnesPaintOver)
{
    const CBox visible{0, 0, 99, 99}, huge{0, 0, 199999, 199999};
    const CRectFootprint exact = RectFootprint(10, 10, 14, 14);
    const CRectFootprint left = RectFootprint(10, 10, 12, 14), right = RectFootprint(12, 10, 14, 14);
    const CRectFootprint loose = RectFootprint(10.5, 10.5, 14.5, 14.5, 0.0, true);
    const CRectFootprint outside = RectFootprint(100, 10, 104, 14);
    const CRectFootprint far = RectFootprint(100000, 100000, 100004, 100004);
    struct Case {
        const char* name;
        std::vector<std::pair<int, CRectFootprint>> rects;
        std::vector<int> drawn;
        CBox visible;
    };
    const Case cases[] = {
        {"the same pixels later", {{0, exact}, {1, exact}}, {1}, visible},
        {"two halves later", {{0, exact}, {1, left}, {2, right}}, {1, 2}, visible},
        {"a half later", {{0, exact}, {1, left}}, {0, 1}, visible},
        {"a looser one later", {{0, exact}, {1, loose}}, {0, 1}, visible},
        {"a looser one earlier", {{0, loose}, {1, exact}}, {0, 1}, visible},
        {"the same rectangle later", {{0, loose}, {1, exact}, {0, loose}}, {1, 0}, visible},
        {"off the visible area", {{0, outside}, {1, exact}}, {1}, visible},
        {"too far apart to follow", {{0, exact}, {1, left}, {2, right}, {3, far}}, {0, 1, 2, 3}, huge},
        {"repeated, too far apart to follow", {{0, exact}, {1, far}, {0, exact}}, {1, 0}, huge},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CRectCull cull;
        for (const auto& [id, footprint] : c.rects)
            cull.Add({id, 0, 0, 0}, footprint);
        std::vector<CBox> out;
        cull.Finish(c.visible, out);
        std::vector<int> drawn;
        for (const CBox& page : out)
            drawn.push_back(page.left);
        EXPECT_EQ(drawn, c.drawn);
        EXPECT_TRUE(cull.IsEmpty());
    }
}

}  // namespace
