#pragma once
// The screen page drawn into an image: what a chart window shows, and what is
// saved or copied from it, pixel for pixel.

#include "settings/PageLayout.h"

#include <QImage>

class CSorvDoc;
struct CPlotSettings;

struct CPageImage {
    QImage image;  // null when the size has no pixels or memory ran out
    CPageLayout layout;
};

// A client area of clientWidth x clientHeight pixels at devicePixelRatio: the
// image has that many device pixels and carries the ratio.
CPageImage DrawPageImage(const CSorvDoc& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                         double devicePixelRatio);
