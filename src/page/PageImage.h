#pragma once
// The screen page drawn into an image: what a chart window shows, and what is
// saved, copied or exported from it, pixel for pixel.

#include "settings/PageLayout.h"

#include <QImage>

#include <atomic>

class CSorvDoc;
struct CPlotSettings;

struct CPageImage {
    QImage image;  // null when the size has no pixels
    CPageLayout layout;
};

// A client area of clientWidth x clientHeight pixels at devicePixelRatio: the
// image has that many device pixels and carries the ratio. The 3D chart is
// drawn in bands, one thread each. A window's worker passes its cancel flag
// (once set, the drawing stops early and leaves the image unfinished) and may
// ask for a draft (the 3D surface from a coarser grid). minText: the least
// height of the text in client pixels (0: as the page makes it). Throws
// std::bad_alloc when the image cannot be allocated.
CPageImage DrawPageImage(const CSorvDoc& doc, const CPlotSettings& s, int clientWidth, int clientHeight,
                         double devicePixelRatio, const std::atomic<bool>* cancel = nullptr, bool draft = false,
                         double minText = 0.0);
