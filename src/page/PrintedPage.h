#pragma once

class QPainter;
class CDocSnapshot;
struct CPlotSettings;

// The printed page on a painter whose origin is the printable area's top-left
// corner: dotsPerMm is the device's resolution, the area is in millimetres.
// The client rectangle is fitted to the area, in 0.1 mm, with its frame.
// Lines, markers and bands are reduced at the device's resolution, as on a
// screen: the page printed is the same.
void DrawPrintedPage(QPainter& painter, double dotsPerMm, int areaWidthMm, int areaHeightMm, const CDocSnapshot& doc,
                     const CPlotSettings& s, int clientWidth, int clientHeight);
