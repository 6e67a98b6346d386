#pragma once
// Pixel comparison of the QPainter back end's shortcuts: a drawing is made
// with them and without them, on the devices the program draws on, and the
// images compared.

#include "GuiTestApp.h"
#include "gfx/PainterDC.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

using Drawing = std::function<void(CDC&)>;

// A device a page is drawn on: the screen at a device pixel ratio (the
// image's own, as a window's page has, or one the painter was scaled by), or
// paper at a printer's resolution, with the page's origin at its lower left.
struct PageDevice {
    const char* name;
    double ratio = 1.0;
    bool scaled = false;
    double dpi = 0.0;  // paper when not 0
};

// The pixel ratios windows use, a painter scaled by 2, and printers of 96 to
// 1200 dpi (0.1 mm a page unit: 0.38 to 4.7 dots).
inline std::vector<PageDevice> PageDevices()
{
    return {{"screen 1", 1.0}, {"screen 1.25", 1.25}, {"screen 1.5", 1.5}, {"screen 2", 2.0},
            {"scaled 2", 2.0, true}, {"96 dpi", 1.0, false, 96}, {"300 dpi", 1.0, false, 300},
            {"600 dpi", 1.0, false, 600}, {"1200 dpi", 1.0, false, 1200}};
}

// The image a drawing makes on a w x h page of the device.
inline QImage DrawPage(const Drawing& draw, bool fast, int w, int h, const PageDevice& d)
{
    EnsureGuiApp();
    const double scale = d.dpi > 0 ? d.dpi / 254.0 : d.ratio;
    QImage image(int(std::ceil(w * scale)), int(std::ceil(h * scale)), QImage::Format_RGB32);
    image.fill(Qt::white);
    if (!d.scaled && d.dpi == 0)
        image.setDevicePixelRatio(d.ratio);
    QPainter painter(&image);
    if (d.scaled)
        painter.scale(d.ratio, d.ratio);
    {
        CPainterDC dc(painter, d.dpi > 0 ? d.dpi / 25.4 : 1.0);
        dc.SetFastPaths(fast);
        if (d.dpi > 0)
            dc.SetLoMetricMapping(0, h);
        else
            dc.SetScreenMapping(w, h);
        draw(dc);
    }
    painter.end();
    return image;
}

// The first pixel where two images differ, as text; empty when they are equal.
inline std::string FirstDifference(const QImage& a, const QImage& b)
{
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                return "pixel " + std::to_string(x) + "," + std::to_string(y);
        }
    }
    return {};
}

// Drawn with and without the shortcuts on every device.
inline void ExpectSamePixels(const Drawing& draw, int w, int h)
{
    for (const PageDevice& d : PageDevices()) {
        SCOPED_TRACE(d.name);
        const QImage every = DrawPage(draw, false, w, h, d);
        const QImage fast = DrawPage(draw, true, w, h, d);
        EXPECT_EQ(FirstDifference(every, fast), "");
    }
}
