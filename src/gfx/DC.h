#pragma once
// The drawing surface every chart draws on, in page units with y growing
// upward. It keeps the selected pen, brush and font and the current position;
// back ends (QPainter, recording) only see finished operations.

#include "gfx/GdiTypes.h"
#include "gfx/TextEncoding.h"

#include "work/CancelToken.h"

#include <atomic>
#include <optional>
#include <string>

class CDC {
public:
    virtual ~CDC() = default;

    // TRUE for a printer and the print preview.
    bool m_bPrinting = false;
    // TRUE for a quick draft of a window's page, shown until the exact one is
    // drawn: a 3D surface may come from a coarser grid, 2D series from every
    // few columns.
    bool m_bDraft = false;

    // A drawing that may be abandoned (a window's page superseded by a newer
    // one): the charts poll IsCancelled between series and rows of cells and
    // stop drawing once the token is cancelled.
    void SetCancelToken(std::optional<CCancelToken> token) { m_cancel = std::move(token); }
    bool IsCancelled() const { return m_cancel && m_cancel->IsCancelled(); }
    // How far a drawing has come, in thousandths, for whoever watches it; the
    // charts report it where they poll the cancel flag.
    void SetProgressSink(std::atomic<int>* sink) { m_pProgress = sink; }
    // Notes that done of total parts are drawn; false when the drawing is cancelled.
    bool Proceed(long long done, long long total)
    {
        if (m_pProgress && total > 0)
            m_pProgress->store(int(done * 1000 / total), std::memory_order_relaxed);
        return !IsCancelled();
    }

    // Printable width and height in millimetres (HORZSIZE, VERTSIZE); 0 for others.
    int GetDeviceCaps(int index) const;
    void SetPrintableSize(int widthMm, int heightMm);

    // Screen mapping: page point (x, y) lands on client pixel (x, clientHeight - 1 - y).
    void SetScreenMapping(int clientWidth, int clientHeight);
    // Paper mapping in 0.1 mm: page point (x, y) lies (x - originX) right of and
    // (originY - y) below the top-left corner of the printable area.
    void SetLoMetricMapping(int originX, int originY);
    // The page the chart is about to draw, in page units.
    void SetPageSize(int width, int height);

    void SetBkMode(int mode) { m_nBkMode = mode; }
    void SetBkColor(COLORREF color) { m_crBk = color; }
    void SetTextColor(COLORREF color) { m_crText = color; }
    // How TextOut decodes its bytes.
    void SetTextEncoding(TextEncoding encoding) { m_encoding = encoding; }

    // Selecting returns the object that was selected before.
    CPen SelectObject(const CPen& pen);
    CBrush SelectObject(const CBrush& brush);
    CFont SelectObject(const CFont& font);

    void MoveTo(int x, int y) { m_ptCurrent = {x, y}; }
    void LineTo(int x, int y)
    {
        const CPoint to{x, y};
        DoLine(m_ptCurrent, to);
        m_ptCurrent = to;
    }
    // Outlined with the current pen, filled with the current brush.
    void Rectangle(int left, int top, int right, int bottom);
    // Filled with the current brush (alternate filling), outlined with the pen.
    void Polygon(const CPoint* points, int count);
    void Polyline(const CPoint* points, int count);
    // count bytes of text, top-left corner of the text cell at (x, y); each
    // byte is the current font's width wide.
    void TextOut(int x, int y, const char* text, int count);
    void TextOut(int x, int y, const std::string& text) { TextOut(x, y, text.data(), int(text.size())); }

    void IntersectClipRect(int left, int top, int right, int bottom);
    void SelectClipRgnNull();

    const CPen& GetCurrentPen() const { return m_pen; }
    const CBrush& GetCurrentBrush() const { return m_brush; }
    const CFont& GetCurrentFont() const { return m_font; }
    COLORREF GetTextColor() const { return m_crText; }
    COLORREF GetBkColor() const { return m_crBk; }
    int GetBkMode() const { return m_nBkMode; }
    TextEncoding GetTextEncoding() const { return m_encoding; }

protected:
    enum class Mapping { None, Screen, LoMetric };

    // Back end hooks; the state above is already updated when they run.
    virtual void OnMappingChanged() {}
    virtual void OnPageSize(int /*width*/, int /*height*/) {}
    virtual void OnPenChanged() {}
    virtual void OnBrushChanged() {}
    virtual void OnFontChanged() {}
    virtual void DoLine(CPoint from, CPoint to) = 0;
    virtual void DoRectangle(int left, int top, int right, int bottom) = 0;
    virtual void DoPolygon(const CPoint* points, int count) = 0;
    virtual void DoPolyline(const CPoint* points, int count) = 0;
    virtual void DoTextOut(int x, int y, const char* text, int count) = 0;
    virtual void DoClip(int left, int top, int right, int bottom) = 0;
    virtual void DoClipOff() = 0;

    // Where the current mapping puts page point (x, y) on a device of
    // dotsPerMm: at (x * sx + dx, y * sy + dy) in the device's pixels.
    struct PageMap {
        double sx = 1.0;
        double sy = 1.0;
        double dx = 0.0;
        double dy = 0.0;
    };
    PageMap GetPageMap(double dotsPerMm) const;

    Mapping m_mapping = Mapping::None;
    int m_nClientHeight = 0;
    int m_nOriginX = 0;
    int m_nOriginY = 0;

private:
    CPen m_pen;
    CBrush m_brush;
    CFont m_font;
    CPoint m_ptCurrent;
    COLORREF m_crText = 0;
    COLORREF m_crBk = 0xFFFFFF;
    int m_nBkMode = OPAQUE;
    TextEncoding m_encoding = TextEncoding::ShiftJis;
    int m_nHorzSize = 0;
    int m_nVertSize = 0;
    std::optional<CCancelToken> m_cancel;
    std::atomic<int>* m_pProgress = nullptr;
};
