#pragma once
// The QPainter back end of the drawing surface: the window, images, SVG, PDF,
// the printer and the print preview. Page units are mapped to the device by
// one transform; pens, brushes and fonts are converted only when they change.
// A clip the painter has when the surface is made stays in force throughout.

#include "gfx/DC.h"
#include "gfx/LineRun.h"
#include "gfx/RectCull.h"
#include "gfx/SpanRun.h"
#include "gfx/TextCodec.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QRawFont>
#include <QTransform>
#include <vector>

class QPainter;

class CPainterDC : public CDC {
public:
    // dotsPerMm: the device's resolution, used by the paper mapping.
    CPainterDC(QPainter& painter, double dotsPerMm);
    // Draws what is still gathered, if the painter is still active.
    ~CPainterDC() override;

    // The size in its own pixels of a device that is no image, a printer or
    // PDF page (at the resolution the paper mapping uses): the shortcuts then
    // work at the device's resolution, so that the page it prints is the same.
    // Call it before drawing.
    void SetDevicePixels(int width, int height);
    // Exact shortcuts on raster devices (and those given their pixels), on by
    // default: a chain of lines is reduced per pixel column to the lines that
    // change pixels, zero-width polygons of one column to their union, and
    // rectangles that later ones paint over and shapes wholly outside the clip
    // and the device are skipped. Off, every operation is drawn as given (other
    // vector devices, SVG and pictures, always get every operation).
    void SetFastPaths(bool on);
    // Draws the lines and shapes still gathered; call it before ending the painter.
    void Flush();

protected:
    void OnMappingChanged() override;
    void OnPenChanged() override;
    void OnBrushChanged() override;
    void OnFontChanged() override { m_nFont = -1; }
    void DoLine(CPoint from, CPoint to) override;
    void DoRectangle(int left, int top, int right, int bottom) override;
    void DoPolygon(const CPoint* points, int count) override;
    void DoPolyline(const CPoint* points, int count) override;
    void DoTextOut(int x, int y, const char* text, int count) override;
    void DoClip(int left, int top, int right, int bottom) override;
    void DoClipOff() override;

private:
    // A selected font made ready for drawing at one scale, kept while the DC lives.
    struct FontEntry {
        CFont key;
        double scale = 0.0;
        QFont font;
        double cell = 0.0;  // device pixels a byte
        double ascent = 0.0;
        double underlinePos = 0.0;
        double lineWidth = 1.0;
        QFontMetricsF metrics{QFont()};
        QRawFont raw;
    };

    void UsePen();
    void UseBrush();
    void UpdateFastPaths();
    void EndChain();
    void DrawLines();
    void DrawSpans();
    bool PaintsOpaque(const CPen& pen) const;
    bool HasWholeFootprints() const;
    CRectFootprint Footprint(const CBox& page) const;
    // Kept inline: it runs for every marker of a scatter chart.
    CRectFootprint WholeFootprint(const CBox& page) const
    {
        const WholeMap& m = m_wholeMap;
        const long long x1 = m.sx * page.left + m.dx, x2 = m.sx * page.right + m.dx;
        const long long y1 = m.sy * page.top + m.dy, y2 = m.sy * page.bottom + m.dy;
        return RectFootprint(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2));
    }
    void DrawRectangle(const CBox& page);
    void DrawGatheredRectangles();
    bool WriteDirectly(const CBox& page, const CBox& inside);
    bool IsOutside(int left, int top, int right, int bottom) const;
    bool IsOutside(const CPoint* points, int count) const;
    QRectF BaseVisible() const;
    const FontEntry& UseFont();
    FontEntry MakeFont(const CFont& f) const;
    const QPoint* ToQPoints(const CPoint* points, int count);
    int LayOutCells();
    bool DrawGlyphRun(const FontEntry& f, double x, double baseline, double cell);
    void DrawEachChar(const FontEntry& f, double x, double baseline, double cell);

    QPainter& m_painter;
    double m_dDotsPerMm;
    double m_dScale = 1.0;  // device pixels per page unit
    QTransform m_base;       // the painter's own transform when we got it
    QTransform m_map;        // page to device
    QTransform m_transform;  // m_map, then m_base
    QTransform m_ratio;      // the device pixel ratio, which the painter applies last
    QTransform m_toDevice;   // page to device pixels
    CPen m_lastPen;
    QPen m_qpen;
    bool m_bPenMade = false;
    bool m_bPenDirty = true;
    bool m_bBrushDirty = true;
    std::vector<FontEntry> m_fonts;
    int m_nFont = -1;
    std::vector<QPoint> m_points;
    // The fast paths: whether they are wanted and which apply to the device
    // and transform; the device pixels that drawing can change (device and clip).
    bool m_bFastPaths = true;
    bool m_bReduceLines = false;
    bool m_bCull = false;
    // The image drawn on, and whether rectangles may be written into it.
    QImage* m_pImage = nullptr;
    bool m_bDirectBoxes = false;
    // The map to device pixels when it keeps whole page points whole.
    struct WholeMap {
        bool valid = false;
        long long sx = 1;
        long long sy = 1;
        long long dx = 0;
        long long dy = 0;
    };
    WholeMap m_wholeMap;
    QRectF m_device;
    QRectF m_visible;
    // The painter's own clip when we got it, which clipping off returns to.
    bool m_bBaseClip = false;
    QRectF m_baseClip;
    CLineRun m_run;
    CSpanRun m_spans;
    std::vector<CLine> m_lines;
    CRectCull m_rects;
    bool m_bWholeRects = false;  // the gathered rectangles have whole footprints
    std::vector<CBox> m_kept;
    // Raster devices take glyph runs with our own positions; others get one
    // drawText per character (SVG and the preview need real text items).
    bool m_bGlyphRuns = false;
    std::vector<DecodedChar> m_chars;
    std::vector<char16_t> m_utf16;
    std::vector<quint32> m_glyphs;
    std::vector<QPointF> m_advances;
    std::vector<QPointF> m_positions;
};
