#pragma once

class QPainter;
class QPrinter;
class CSorvDoc;
struct CPlotSettings;

// Draws the chart window's page on a printer (or the preview's printer):
// the client rectangle fitted to the printable area, in 0.1 mm, with its frame.
void PrintPage(QPrinter& printer, const CSorvDoc& doc, CPlotSettings& s, int clientWidth, int clientHeight);

// The printed page on a painter whose origin is the printable area's top-left
// corner: dotsPerMm is the device's resolution, the area is in millimetres.
void DrawPrintedPage(QPainter& painter, double dotsPerMm, int areaWidthMm, int areaHeightMm, const CSorvDoc& doc,
                     CPlotSettings& s, int clientWidth, int clientHeight);
