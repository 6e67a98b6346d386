#pragma once
// Rectangles written straight into the pixels of a 32-bit image, as QPainter
// draws them aliased when their corners are whole device pixels and the pen
// is solid and one pixel wide: the corners' box, its border in the pen's
// colour and the pixels inside in the brush's. Cheaper by far than a call of
// QPainter for the many small markers of a scatter chart.

#include "gfx/RectCull.h"

#include <QImage>

// Whether an opaque colour sets the image's pixels to 0xFFRRGGBB.
bool TakesDirectBoxes(const QImage& image);
// box: corners inclusive, within the image, left < right and top < bottom.
void WriteDirectBox(QImage& image, const CBox& box, QRgb pen, QRgb brush);
