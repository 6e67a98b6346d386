#pragma once
// A window's page drawn directly on one thread, as printing and export draw:
// what the worker's pages are compared with, pixel for pixel.

#include "doc/SorvDoc.h"
#include "gfx/PainterDC.h"
#include "page/PageDraw.h"
#include "settings/PlotSettings.h"

#include <QImage>
#include <QPainter>

inline QImage DirectPage(const CDocSnapshot& doc, const CPlotSettings& s, int w, int h, double ratio, bool draft = false,
                         double minText = 0.0)
{
    // Sized as the window's page: its device pixels rounded.
    QImage image((QSizeF(w, h) * ratio).toSize(), QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    QPainter painter(&image);
    {
        CPainterDC dc(painter, image.dotsPerMeterX() / 1000.0);
        dc.m_bDraft = draft;
        DrawPage(dc, doc, s, w, h, minText);
    }
    painter.end();
    return image;
}
