#include "app/ToolbarArt.h"

#include "settings/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QSvgRenderer>

#include <cmath>
#include <functional>

using namespace CommandId;

namespace {

using Picture = std::function<void(QPainter&)>;

const QColor kInk(40, 40, 48);
const QColor kBlue(32, 96, 200);
const QColor kRed(208, 48, 48);
const QColor kGreen(40, 150, 64);
const QColor kYellow(232, 184, 40);

QPen InkPen(const QColor& color = kInk, qreal width = 1.0)
{
    return QPen(color, width, Qt::SolidLine, Qt::FlatCap, Qt::MiterJoin);
}

// A small plot frame: the two axes of a chart, common to the chart pictures.
void Axes(QPainter& p)
{
    p.setPen(InkPen());
    p.drawLine(QPointF(1.5, 0.5), QPointF(1.5, 13.5));
    p.drawLine(QPointF(1.5, 13.5), QPointF(15.5, 13.5));
}

void ArrowHead(QPainter& p, QPointF tip, QPointF dir, const QColor& color)
{
    const QPointF n(-dir.y(), dir.x());
    const QPointF base = tip - dir * 4.5;
    const QPointF pts[3] = {tip, base + n * 3.0, base - n * 3.0};
    p.setPen(Qt::NoPen);
    p.setBrush(color);
    p.drawPolygon(pts, 3);
}

void Open(QPainter& p)
{
    p.setPen(InkPen());
    p.setBrush(kYellow.darker(115));
    p.drawPolygon(QPolygonF({{0.5, 3.5}, {5.5, 3.5}, {6.5, 4.5}, {12.5, 4.5}, {12.5, 13.5}, {0.5, 13.5}}));
    p.setBrush(kYellow);
    p.drawPolygon(QPolygonF({{0.5, 13.5}, {3.5, 7.5}, {15.5, 7.5}, {12.5, 13.5}}));
    p.setPen(InkPen(kGreen, 1.5));
    p.drawArc(QRectF(8, 0.5, 6, 5), 0, 160 * 16);
    ArrowHead(p, {14.5, 5.5}, {0, 1}, kGreen);
}

void Print(QPainter& p)
{
    p.setPen(InkPen());
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 0.5, 9, 6));
    p.setBrush(QColor(180, 180, 188));
    p.drawRect(QRectF(0.5, 5.5, 15, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 9.5, 9, 5));
    p.setPen(InkPen(kBlue));
    p.drawLine(QPointF(5, 11.5), QPointF(11, 11.5));
    p.drawLine(QPointF(5, 13), QPointF(9, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawRect(QRectF(12, 7, 2, 1.5));
}

void Scatter(QPainter& p)
{
    Axes(p);
    const QPointF dots[] = {{4, 10}, {6, 6}, {8, 9}, {10, 3}, {12, 7}, {13.5, 2}};
    const QColor colors[] = {kRed, kBlue, kRed, kBlue, kGreen, kGreen};
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 6; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(QRectF(dots[i] - QPointF(1, 1), QSizeF(2.5, 2.5)));
    }
}

void Line(QPainter& p)
{
    Axes(p);
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(kBlue, 1.5));
    p.drawPolyline(QPolygonF({{2.5, 11}, {6, 5}, {9, 8}, {14.5, 1.5}}));
    p.setPen(InkPen(kRed, 1.5));
    p.drawPolyline(QPolygonF({{2.5, 8}, {6, 10}, {10, 4}, {14.5, 6}}));
}

void Stacked(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kGreen);
    p.drawPolygon(QPolygonF({{2, 6}, {6, 3}, {10, 5}, {15.5, 1}, {15.5, 13.5}, {2, 13.5}}));
    p.setBrush(kBlue);
    p.drawPolygon(QPolygonF({{2, 10}, {6, 8}, {10, 10}, {15.5, 7}, {15.5, 13.5}, {2, 13.5}}));
    Axes(p);
}

void Chart3D(QPainter& p)
{
    // A small surface with a hump, seen from above at an angle, cells coloured by height.
    auto height = [](double u, double v) { return 5.0 * std::sin(u * 3.14159) * (1.1 - v); };
    auto at = [&](double u, double v) { return QPointF(0.5 + u * 10 + v * 5, 14.5 - v * 7 - height(u, v)); };
    const int nu = 4, nv = 3;
    p.setPen(InkPen(QColor(20, 40, 90), 0.6));
    for (int j = nv - 1; j >= 0; --j) {
        for (int i = 0; i < nu; ++i) {
            const double u0 = double(i) / nu, u1 = double(i + 1) / nu;
            const double v0 = double(j) / nv, v1 = double(j + 1) / nv;
            const double h = height((u0 + u1) / 2, (v0 + v1) / 2) / 5.5;
            p.setBrush(QColor::fromHsvF(0.62 - 0.5 * h, 0.75, 0.95));
            p.drawPolygon(QPolygonF({at(u0, v0), at(u1, v0), at(u1, v1), at(u0, v1)}));
        }
    }
}

void RegionPicture(QPainter& p)
{
    p.setPen(InkPen(QColor(150, 150, 160)));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(0.5, 0.5, 15, 14));
    for (double x = 4.5; x < 16; x += 4)
        p.drawLine(QPointF(x, 0.5), QPointF(x, 14.5));
    for (double y = 3.5; y < 15; y += 3.5)
        p.drawLine(QPointF(0.5, y), QPointF(15.5, y));
    p.setPen(QPen(kRed, 1.5, Qt::DashLine));
    p.setBrush(QColor(208, 48, 48, 50));
    p.drawRect(QRectF(4.5, 3.5, 8, 7));
}

void Axis(QPainter& p)
{
    p.setPen(InkPen());
    p.drawLine(QPointF(3.5, 2), QPointF(3.5, 11.5));
    p.drawLine(QPointF(3.5, 11.5), QPointF(14, 11.5));
    ArrowHead(p, {3.5, 0}, {0, -1}, kInk);
    ArrowHead(p, {16, 11.5}, {1, 0}, kInk);
    p.setPen(InkPen(kBlue));
    for (double y = 3.5; y < 11; y += 2.5)
        p.drawLine(QPointF(1, y), QPointF(3, y));
    for (double x = 6.5; x < 14; x += 3)
        p.drawLine(QPointF(x, 12), QPointF(x, 14.5));
}

void Color(QPainter& p)
{
    const QColor colors[4] = {kRed, kYellow, kGreen, kBlue};
    p.setPen(InkPen());
    for (int i = 0; i < 4; ++i) {
        p.setBrush(colors[i]);
        p.drawRect(QRectF(0.5 + (i % 2) * 8, 0.5 + (i / 2) * 7, 6, 6));
    }
}

void LineAttr(QPainter& p)
{
    p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(1, 2.5), QPointF(15, 2.5));
    p.setPen(QPen(kBlue, 1.5, Qt::DashLine, Qt::FlatCap));
    p.drawLine(QPointF(1, 7.5), QPointF(15, 7.5));
    p.setPen(QPen(kRed, 1, Qt::DotLine, Qt::FlatCap));
    p.drawLine(QPointF(1, 12.5), QPointF(15, 12.5));
}

void Title(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    p.drawRect(QRectF(2, 1, 12, 2.5));
    p.drawRect(QRectF(6.75, 1, 2.5, 10));
    p.setBrush(kBlue);
    p.drawRect(QRectF(1, 12.5, 14, 1.5));
}

void ViewAngle(QPainter& p)
{
    // A cube and the arc of an angle.
    p.setPen(InkPen());
    p.setBrush(QColor(200, 220, 250));
    p.drawRect(QRectF(1.5, 5.5, 8, 8));
    p.setBrush(QColor(160, 190, 240));
    p.drawPolygon(QPolygonF({{1.5, 5.5}, {5.5, 1.5}, {13.5, 1.5}, {9.5, 5.5}}));
    p.setBrush(QColor(120, 150, 220));
    p.drawPolygon(QPolygonF({{9.5, 5.5}, {13.5, 1.5}, {13.5, 9.5}, {9.5, 13.5}}));
    p.setPen(InkPen(kRed, 1.5));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(7, 7, 9, 9), 0, 90 * 16);
}

void Magnifier(QPainter& p, bool plus)
{
    p.setPen(QPen(kInk, 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(10, 9.5), QPointF(14.5, 14));
    p.setPen(InkPen(kInk, 1.5));
    p.setBrush(QColor(220, 235, 255));
    p.drawEllipse(QRectF(1, 0.5, 10, 10));
    p.setPen(InkPen(kBlue, 1.5));
    p.drawLine(QPointF(3.5, 5.5), QPointF(8.5, 5.5));
    if (plus)
        p.drawLine(QPointF(6, 3), QPointF(6, 8));
}

// A turn about an axis: the axis, the far half of the circle thin, the near
// half bold with an arrow head at the end the turn goes to. Vertical axis for
// Y, horizontal for X.
void Rotation(QPainter& p, bool vertical, bool forward)
{
    p.save();
    if (!vertical) {
        p.translate(16, 0);
        p.rotate(90);
        p.scale(15.0 / 16.0, 16.0 / 15.0);
    }
    const QRectF ellipse(2, 4.5, 12, 6);
    p.setBrush(Qt::NoBrush);
    p.setPen(InkPen(kRed.lighter(150), 1));
    p.drawArc(ellipse, 0, 180 * 16);
    p.setPen(InkPen(kInk, 1));
    p.drawLine(QPointF(8, 0), QPointF(8, 15));
    p.setPen(InkPen(kRed, 2));
    p.drawArc(ellipse, 200 * 16, 140 * 16);
    if (forward)
        ArrowHead(p, {15.5, 6}, {0.35, -0.94}, kRed);
    else
        ArrowHead(p, {0.5, 6}, {-0.35, -0.94}, kRed);
    p.restore();
}

void About(QPainter& p)
{
    p.setPen(Qt::NoPen);
    p.setBrush(kBlue);
    p.drawEllipse(QRectF(0.5, 0, 15, 15));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.75, 2.5, 2.5, 2.5));
    p.drawRect(QRectF(6.9, 6, 2.2, 6.5));
}

Picture PictureOf(int id)
{
    switch (id) {
    case FileOpen: return Open;
    case FilePrint: return Print;
    case GraphScatter: return Scatter;
    case GraphLine: return Line;
    case GraphStacked: return Stacked;
    case Graph3D: return Chart3D;
    case CommandId::Region: return RegionPicture;
    case SetAxis: return Axis;
    case SetColor: return Color;
    case SetLineAttr: return LineAttr;
    case SetTitle: return Title;
    case SetView: return ViewAngle;
    case CommandId::ViewZoomIn: return [](QPainter& p) { Magnifier(p, true); };
    case CommandId::ViewZoomOut: return [](QPainter& p) { Magnifier(p, false); };
    case RotateYMinus: return [](QPainter& p) { Rotation(p, true, false); };
    case RotateYPlus: return [](QPainter& p) { Rotation(p, true, true); };
    case RotateXPlus: return [](QPainter& p) { Rotation(p, false, false); };
    case RotateXMinus: return [](QPainter& p) { Rotation(p, false, true); };
    case AppAbout: return About;
    default: return {};
    }
}

}  // namespace

QIcon ToolbarIcon(int id)
{
    const Picture picture = PictureOf(id);
    if (!picture)
        return {};
    QIcon icon;
    for (int ratio = 1; ratio <= 3; ++ratio) {
        QPixmap pixmap(16 * ratio, 15 * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        picture(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

QIcon AppIcon()
{
    QSvgRenderer renderer(QStringLiteral(":/sorv/sorv.svg"));
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128, 256}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        renderer.render(&painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}
