#include "gfx/DirectBox.h"

#include <algorithm>

bool TakesDirectBoxes(const QImage& image)
{
    const QImage::Format f = image.format();
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

namespace {

// A row of the image's pixels. A painter draws into the buffer it was given
// without detaching the image; so do we.
QRgb* Row(QImage& image, int y)
{
    return reinterpret_cast<QRgb*>(const_cast<uchar*>(image.constScanLine(y)));
}

}  // namespace

void WriteDirectBox(QImage& image, const CBox& box, QRgb pen, QRgb brush)
{
    pen |= 0xFF000000u;
    brush |= 0xFF000000u;
    std::fill(Row(image, box.top) + box.left, Row(image, box.top) + box.right + 1, pen);
    for (int y = box.top + 1; y < box.bottom; ++y) {
        QRgb* row = Row(image, y);
        row[box.left] = pen;
        std::fill(row + box.left + 1, row + box.right, brush);
        row[box.right] = pen;
    }
    std::fill(Row(image, box.bottom) + box.left, Row(image, box.bottom) + box.right + 1, pen);
}
