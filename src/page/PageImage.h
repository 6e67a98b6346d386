#pragma once
// The screen page drawn into an image: what a chart window shows, and what is
// saved, copied or exported from it, pixel for pixel.

#include "page/PageControl.h"
#include "settings/PageLayout.h"

#include <QImage>

class CDocSnapshot;
struct CPlotSettings;

struct CPageImage {
    QImage image;  // null when the size has no pixels
    CPageLayout layout;
};

// A client area of clientWidth x clientHeight pixels at devicePixelRatio: the
// image has that many device pixels and carries the ratio. The 3D chart is
// drawn in bands, one thread each. minText: the least height of the text in
// client pixels (0: as the page makes it). Throws std::bad_alloc when the
// image cannot be allocated.
CPageImage DrawPageImage(const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                         double devicePixelRatio, double minText = 0.0, const CPageControl& control = {});
