#pragma once

#include "page/PageControl.h"

class QImage;
class QPainter;
class QPicture;
class CDocSnapshot;
struct CPlotSettings;

// Where a printed page is drawn: the device's resolution, its page in its own
// dots (on which lines, markers and bands are reduced) and the printable area
// in whole millimetres.
struct CPrintGeometry {
    double dotsPerMm = 0.0;
    int deviceWidth = 0;
    int deviceHeight = 0;
    int areaWidthMm = 0;
    int areaHeightMm = 0;

    bool operator==(const CPrintGeometry&) const = default;
};

// The printed page on a painter whose origin is the printable area's top-left
// corner, on a device of geometry g. The client rectangle is fitted to the
// area, in 0.1 mm, with its frame. Lines, markers and bands are reduced at the
// device's resolution, as on a screen: the page printed is the same. The
// control's flag and progress are followed; a printed page is never a draft.
void DrawPrintedPage(QPainter& painter, const CPrintGeometry& g, const CDocSnapshot& doc, const CPlotSettings& s,
                     int clientWidth, int clientHeight, const CPageControl& control = {});

// The printed page recorded as DrawPrintedPage draws it on a device of
// geometry g, for a worker to draw a preview's page. Throws std::bad_alloc
// when the recording cannot grow.
QPicture RecordPrintedPage(const CPrintGeometry& g, const CDocSnapshot& doc, const CPlotSettings& s, int clientWidth,
                           int clientHeight, const CPageControl& control = {});
// Plays a recorded page on a painter of the device it was recorded for.
void PlayPrintedPage(QPainter& painter, const QPicture& page);

// The printed page of a device of geometry printer drawn into a white image
// of its page at dotsPerMm instead, as DrawPrintedPage draws it on a device of
// that resolution: a preview's page of millions of shapes, which an image
// shows faster than they play. Throws std::bad_alloc when the image cannot be
// allocated.
QImage DrawPrintedImage(const CPrintGeometry& printer, double dotsPerMm, const CDocSnapshot& doc,
                        const CPlotSettings& s, int clientWidth, int clientHeight, const CPageControl& control = {});
