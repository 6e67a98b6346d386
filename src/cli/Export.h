#pragma once
// Drawing a chart page into a file: .png and .svg the screen page, .pdf the
// printed page, .ops the recording of the screen page (of the printed page
// when a printable area is given).

#include <string>

class CDocSnapshot;
class QIODevice;
struct CPlotSettings;

struct ExportPage {
    int clientWidth = 800;  // the window's client area in pixels
    int clientHeight = 600;
    bool printArea = false;  // a printable area was asked for
    int areaWidthMm = 200;   // printable area of the printed page
    int areaHeightMm = 287;
    double devicePixelRatio = 1.0;  // of the PNG: device pixels per client pixel
    double minText = 0.0;  // the least text height of the screen page (a window's)
};

enum class ExportFormat { Png, Svg, Pdf, Ops, Unknown };

// The format that the file name's extension asks for (case-insensitive).
ExportFormat ExportFormatOf(const std::string& path);

// Writes the page in format to out; false when it cannot be drawn or written.
bool WriteChart(ExportFormat format, QIODevice& out, const CDocSnapshot& doc, const CPlotSettings& s,
                const ExportPage& page);

// Writes the page to path through a temporary file in the same folder, so
// that a failure leaves nothing behind. On failure error says why.
bool ExportChart(const std::string& path, const CDocSnapshot& doc, const CPlotSettings& s, const ExportPage& page,
                 std::string& error);
