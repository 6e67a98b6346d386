#pragma once
// Draws a page on several threads: the image is cut into horizontal bands,
// one a thread, and each thread draws the whole page on a CPainterDC of the
// image's memory clipped to its band (what lies outside it costs a test of
// its rows). The pixels are those one CPainterDC draws on the whole image: a
// clip cuts lines pixel by pixel, where an image of the band's rows alone
// would cut them at its edge and start their steps there.
//
// The bands hold as many shapes each: the page is first drawn on a surface
// that only counts where its shapes lie, as a draft (a 3D surface from a
// coarser grid, whose cells lie where the full grid's do).
//
//     DrawInBands(image, QThread::idealThreadCount(), dotsPerMm, [&](CDC& dc, int band) {
//         const CPageLayout layout = DrawPage(dc, ...);
//         if (band == 0) kept = layout;
//     });
//
// draw(dc, band) is called for the bands on the calling thread and threads of
// the worker pool, all at once where threads are to be had; it must only read
// what it shares. It is called before them with band -1 on the counting
// surface, whose m_bDraft is set (draw keeps it). An exception from any call
// is rethrown once all have returned.

#include "gfx/DC.h"

#include <QImage>
#include <functional>
#include <vector>

using BandDraw = std::function<void(CDC& dc, int band)>;

void DrawInBands(QImage& image, int threads, double dotsPerMm, const BandDraw& draw);

// The rows the bands start at (and the image height after the last) for the
// page draw draws: up to `threads` bands of whole page pixels (none empty)
// with as many shapes each. Empty for a null image.
std::vector<int> CutIntoBands(const QImage& image, int threads, double dotsPerMm, const BandDraw& draw);
