#include "chart2d/Markers.h"

#include "gfx/DC.h"

#include <climits>
#include <cmath>

namespace {

bool Fits(int v, int f)
{
    return v >= INT_MIN + f && v <= INT_MAX - f;
}

// Sixteen points on the circle of radius f about (x, y), truncated as every position is.
void DrawCircle(CDC& dc, int x, int y, int f)
{
    constexpr int kPoints = 16;
    CPoint points[kPoints];
    for (int i = 0; i < kPoints; ++i) {
        const double angle = 2 * M_PI * i / kPoints;
        points[i] = {x + int(f * std::cos(angle)), y + int(f * std::sin(angle))};
    }
    dc.Polygon(points, kPoints);
}

}  // namespace

void DrawMarker(CDC& dc, MarkerShape shape, int x, int y, int f)
{
    if (!Fits(x, f) || !Fits(y, f))
        return;
    switch (shape) {
    case MarkerShape::Chart:
    case MarkerShape::Square:
        dc.Rectangle(x - f, y - f, x + f, y + f);
        break;
    case MarkerShape::Circle:
        DrawCircle(dc, x, y, f);
        break;
    case MarkerShape::Cross:
        dc.MoveTo(x - f, y - f);
        dc.LineTo(x + f, y + f);
        dc.MoveTo(x - f, y + f);
        dc.LineTo(x + f, y - f);
        break;
    case MarkerShape::None:
        break;
    }
}
