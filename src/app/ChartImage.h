#pragma once
// The chart of a window drawn again, directly and completely, as the window
// shows it: into an image, onto the clipboard, or into a file by the code of
// the command line's export.

#include "cli/Export.h"

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

class CSorvView;
class QMimeData;

class CChartImage {
public:
    explicit CChartImage(const CSorvView& view);

    // The screen page at the window's size and device pixel ratio.
    QImage Image() const;
    // The screen page as SVG at the window's size.
    QByteArray Svg() const;
    // The image and the SVG together, as the clipboard takes them.
    QMimeData* MimeData() const;
    // False (nothing copied) when memory ran out while drawing.
    bool CopyToClipboard() const;
    // Writes path by its extension: .png and .svg the screen page, .pdf the
    // printed page on a printable area of areaMm. False, and why, on failure.
    bool Save(const QString& path, QSize areaMm, QString& error) const;

private:
    const CSorvView& m_view;
    ExportPage m_page;
};
