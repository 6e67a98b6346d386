#include "gfx/PainterDC.h"

#include "gfx/DirectBox.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QPaintEngine>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace {

QColor ToQColor(COLORREF c)
{
    return QColor(GetRValue(c), GetGValue(c), GetBValue(c));
}

// Dash patterns of styles 1..4: in pixels for a one-pixel pen (as a screen
// shows them), in pen widths for a wide pen.
const QList<qreal>& DashPattern(int style, bool cosmetic)
{
    static const QList<qreal> thin[4] = {{18, 6}, {3, 3}, {9, 6, 3, 6}, {9, 3, 3, 3, 3, 3}};
    static const QList<qreal> wide[4] = {{6, 2}, {1, 1}, {3, 2, 1, 2}, {3, 1, 1, 1, 1, 1}};
    return cosmetic ? thin[style - 1] : wide[style - 1];
}

QPen ToQPen(const CPen& p)
{
    QPen pen(ToQColor(p.color));
    const bool cosmetic = p.width <= 0;
    pen.setWidth(cosmetic ? 0 : p.width);
    pen.setCosmetic(cosmetic);
    const bool styled = p.style >= PS_DASH && p.style <= PS_DASHDOTDOT;
    if (styled)
        pen.setDashPattern(DashPattern(p.style, cosmetic));
    // Wide solid pens end and join round; thin and dashed ones end flat.
    pen.setCapStyle(!cosmetic && !styled ? Qt::RoundCap : Qt::FlatCap);
    pen.setJoinStyle(!cosmetic && !styled ? Qt::RoundJoin : Qt::MiterJoin);
    return pen;
}

// Pixel size, stretch and metrics of a face, measured once at a large size.
struct FaceRatios {
    double cellHeight = 1.0;  // (ascent + descent) per pixel of size
    double halfAdvance = 0.5;  // advance of a half-width character per pixel of size
};

// Fonts up to this pixel size are drawn without smoothing.
constexpr int kCrispPixels = 16;

FaceRatios MeasureFace(QFont font)
{
    constexpr int kReference = 1000;
    font.setPixelSize(kReference);
    const QFontMetricsF fm(font);
    FaceRatios r;
    if (fm.ascent() + fm.descent() > 0.0)
        r.cellHeight = (fm.ascent() + fm.descent()) / kReference;
    if (fm.horizontalAdvance(QLatin1Char('0')) > 0.0)
        r.halfAdvance = fm.horizontalAdvance(QLatin1Char('0')) / kReference;
    return r;
}

// A double that may be huge or not a number, as a count within lo..hi.
int Clamped(double v, int lo, int hi)
{
    if (!(v >= lo))
        return lo;
    if (v >= hi)
        return hi;
    return int(std::lround(v));
}

}  // namespace

CPainterDC::CPainterDC(QPainter& painter, double dotsPerMm)
    : m_painter(painter)
    , m_dDotsPerMm(dotsPerMm)
    , m_base(painter.transform())
    , m_transform(m_base)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    const QPaintEngine* engine = painter.paintEngine();
    m_bGlyphRuns = engine && engine->type() == QPaintEngine::Raster;
    QPaintDevice* device = painter.device();
    if (m_bGlyphRuns && device && device->devType() == QInternal::Image) {
        auto* image = static_cast<QImage*>(device);
        m_pImage = image;
        m_bDirectBoxes = TakesDirectBoxes(*image);
        m_device = QRectF(0, 0, image->width(), image->height());
        m_ratio = QTransform::fromScale(image->devicePixelRatio(), image->devicePixelRatio());
    }
    m_toDevice = m_transform * m_ratio;
    m_bBaseClip = painter.hasClipping();
    if (m_bBaseClip)
        m_baseClip = painter.clipBoundingRect();
    m_visible = BaseVisible();
    m_points.reserve(16);
    m_chars.reserve(64);
    UpdateFastPaths();
}

CPainterDC::~CPainterDC()
{
    if (m_painter.isActive())
        Flush();
}

void CPainterDC::SetDevicePixels(int width, int height)
{
    Flush();
    m_device = QRectF(0, 0, width, height);
    m_visible = BaseVisible();
    UpdateFastPaths();
}

void CPainterDC::SetFastPaths(bool on)
{
    Flush();
    m_bFastPaths = on;
    UpdateFastPaths();
}

namespace {

bool IsWhole(double v)
{
    return v == std::trunc(v) && std::abs(v) < 1e6;
}

bool IsDashed(const CPen& pen)
{
    return pen.style >= PS_DASH && pen.style <= PS_DASHDOTDOT;
}

// Device pixels a shape's outline may reach beyond its points: three pen
// widths (a miter join cut at QPen's miter limit reaches a little over two
// widths from its point) and two pixels of rounding.
double OutlineMargin(const CPen& pen, const QTransform& t)
{
    const double scale = std::max(std::abs(t.m11()), std::abs(t.m22()));
    return (pen.width > 0 ? 3.0 * pen.width * scale : 1.0) + 2.0;
}

}  // namespace

// Shapes are skipped where the device size is known and the transform keeps
// rectangles upright; lines and zero-width polygons are reduced where, besides,
// a page unit is at least a device pixel (the screen at any pixel ratio).
void CPainterDC::UpdateFastPaths()
{
    const QTransform& t = m_toDevice;
    const bool upright = t.type() <= QTransform::TxScale;
    const bool fast = m_bFastPaths && !m_device.isEmpty() && upright;
    m_bCull = fast;
    m_bReduceLines = fast && std::abs(t.m11()) >= 1.0 && std::abs(t.m22()) >= 1.0;
    const bool whole = IsWhole(t.m11()) && IsWhole(t.m22()) && IsWhole(t.dx()) && IsWhole(t.dy());
    m_wholeMap = whole ? WholeMap{fast, (long long)t.m11(), (long long)t.m22(), (long long)t.dx(), (long long)t.dy()}
                       : WholeMap{};
}

void CPainterDC::Flush()
{
    EndChain();
    DrawGatheredRectangles();
    DrawSpans();
}

void CPainterDC::DrawSpans()
{
    m_spans.Finish(m_lines);
    for (const CLine& l : m_lines) {
        const CPoint polygon[2] = {l.from, l.to};
        m_painter.drawPolygon(ToQPoints(polygon, 2), 2, Qt::OddEvenFill);
    }
    m_lines.clear();
}

void CPainterDC::EndChain()
{
    m_run.Finish(m_lines);
    DrawLines();
}

void CPainterDC::DrawLines()
{
    for (const CLine& l : m_lines)
        m_painter.drawLine(l.from.x, l.from.y, l.to.x, l.to.y);
    m_lines.clear();
}

void CPainterDC::OnPenChanged()
{
    Flush();  // the gathered lines keep the pen they were drawn with
    m_bPenDirty = true;
}

void CPainterDC::OnBrushChanged()
{
    Flush();  // the gathered polygons keep the brush they were drawn with
    m_bBrushDirty = true;
}

void CPainterDC::OnMappingChanged()
{
    Flush();
    const PageMap page = GetPageMap(m_dDotsPerMm);
    m_dScale = page.sx;
    m_map = QTransform(page.sx, 0.0, 0.0, page.sy, page.dx, page.dy);
    m_transform = m_map * m_base;
    m_toDevice = m_transform * m_ratio;
    m_painter.setTransform(m_transform);
    m_nFont = -1;  // fonts are sized by the scale
    UpdateFastPaths();
}

void CPainterDC::UsePen()
{
    if (!m_bPenDirty)
        return;
    if (!m_bPenMade || !(GetCurrentPen() == m_lastPen)) {
        m_lastPen = GetCurrentPen();
        m_qpen = ToQPen(m_lastPen);
        m_bPenMade = true;
    }
    m_painter.setPen(m_qpen);
    m_bPenDirty = false;
}

void CPainterDC::UseBrush()
{
    if (!m_bBrushDirty)
        return;
    m_painter.setBrush(QBrush(ToQColor(GetCurrentBrush().color)));
    m_bBrushDirty = false;
}

const QPoint* CPainterDC::ToQPoints(const CPoint* points, int count)
{
    m_points.resize(std::size_t(count));
    for (int i = 0; i < count; ++i)
        m_points[std::size_t(i)] = QPoint(points[i].x, points[i].y);
    return m_points.data();
}

bool CPainterDC::IsOutside(int left, int top, int right, int bottom) const
{
    if (!m_bCull)
        return false;
    // The transform keeps rectangles upright: each axis maps on its own.
    const QTransform& t = m_toDevice;
    const double x1 = t.m11() * left + t.dx(), x2 = t.m11() * right + t.dx();
    const double y1 = t.m22() * top + t.dy(), y2 = t.m22() * bottom + t.dy();
    const double margin = OutlineMargin(GetCurrentPen(), t);
    return std::max(x1, x2) + margin < m_visible.left() || std::min(x1, x2) - margin > m_visible.right() ||
           std::max(y1, y2) + margin < m_visible.top() || std::min(y1, y2) - margin > m_visible.bottom();
}

bool CPainterDC::IsOutside(const CPoint* points, int count) const
{
    if (!m_bCull)
        return false;
    int left = points[0].x, right = points[0].x, bottom = points[0].y, top = points[0].y;
    for (int i = 1; i < count; ++i) {
        left = std::min(left, points[i].x);
        right = std::max(right, points[i].x);
        bottom = std::min(bottom, points[i].y);
        top = std::max(top, points[i].y);
    }
    return IsOutside(left, top, right, bottom);
}

void CPainterDC::DoLine(CPoint from, CPoint to)
{
    // A chain going on keeps the pen it started with: a new pen ends it.
    if (!m_run.Continues(from)) {
        Flush();
        UsePen();
        if (!m_bReduceLines || IsDashed(GetCurrentPen())) {
            m_painter.drawLine(from.x, from.y, to.x, to.y);
            return;
        }
        m_run.Start(from, m_lines);
    }
    m_run.Add(to, m_lines);
    if (!m_lines.empty())
        DrawLines();
}

// QPainter blends a pen thinner than a device pixel into what lies below.
bool CPainterDC::PaintsOpaque(const CPen& pen) const
{
    const QTransform& t = m_toDevice;
    return pen.width <= 0 || pen.width * std::min(std::abs(t.m11()), std::abs(t.m22())) >= 1.0;
}

// Rectangles that later ones paint over are left out (the scatter chart's
// markers, many to a pixel). While some are gathered, the pen, brush and
// mapping stay those they were gathered with.
void CPainterDC::DoRectangle(int left, int top, int right, int bottom)
{
    const CBox page{left, top, right, bottom};
    if (!m_rects.IsEmpty() && !m_rects.IsFull()) {
        m_rects.Add(page, m_bWholeRects ? WholeFootprint(page) : Footprint(page));
        return;
    }
    Flush();
    if (m_bCull && PaintsOpaque(GetCurrentPen())) {
        // The gathered rectangles are drawn with the pen and brush in force now.
        UsePen();
        UseBrush();
        m_bWholeRects = HasWholeFootprints();
        m_rects.Add(page, m_bWholeRects ? WholeFootprint(page) : Footprint(page));
        return;
    }
    if (IsOutside(left, top, right, bottom))
        return;
    UsePen();
    UseBrush();
    DrawRectangle(page);
}

CRectFootprint CPainterDC::Footprint(const CBox& page) const
{
    const CPen& pen = GetCurrentPen();
    const QTransform& t = m_toDevice;
    const double x1 = t.m11() * page.left + t.dx(), x2 = t.m11() * page.right + t.dx();
    const double y1 = t.m22() * page.top + t.dy(), y2 = t.m22() * page.bottom + t.dy();
    const double penWidth = std::max(0, pen.width) * std::max(std::abs(t.m11()), std::abs(t.m22()));
    return RectFootprint(std::min(x1, x2), std::min(y1, y2), std::max(x1, x2), std::max(y1, y2), penWidth,
                         !IsDashed(pen));
}

// Page points map to whole device pixels and the pen is solid and one pixel wide.
bool CPainterDC::HasWholeFootprints() const
{
    const CPen& pen = GetCurrentPen();
    return m_wholeMap.valid && pen.width <= 0 && !IsDashed(pen);
}

void CPainterDC::DrawRectangle(const CBox& page)
{
    m_painter.drawRect(QRectF(QPointF(std::min(page.left, page.right), std::min(page.top, page.bottom)),
                              QPointF(std::max(page.left, page.right), std::max(page.top, page.bottom))));
}

void CPainterDC::DrawGatheredRectangles()
{
    if (m_rects.IsEmpty())
        return;
    // Pixels partly inside the visible area may change; those wholly inside
    // take rectangles written straight into an image.
    const QRectF& v = m_visible;
    const CBox visible{int(std::floor(v.left())), int(std::floor(v.top())), int(std::ceil(v.right())) - 1,
                       int(std::ceil(v.bottom())) - 1};
    const CBox inside{int(std::ceil(v.left())), int(std::ceil(v.top())), int(std::floor(v.right())) - 1,
                      int(std::floor(v.bottom())) - 1};
    m_rects.Finish(v.isEmpty() ? CBox{} : visible, m_kept);
    const bool direct = m_bDirectBoxes && m_bWholeRects;
    for (const CBox& page : m_kept) {
        if (!direct || !WriteDirectly(page, inside))
            DrawRectangle(page);
    }
    m_kept.clear();
}

// A rectangle that is not flat, wholly inside the clip.
bool CPainterDC::WriteDirectly(const CBox& page, const CBox& inside)
{
    const CBox box = WholeFootprint(page).surely;
    if (box.IsEmpty() || box.left < inside.left || box.top < inside.top || box.right > inside.right ||
        box.bottom > inside.bottom)
        return false;
    WriteDirectBox(*m_pImage, box, m_painter.pen().color().rgb(), m_painter.brush().color().rgb());
    return true;
}

// Zero-width polygons drawn one after the other merge into spans (the
// stacked chart's bands between columns of one pixel).
void CPainterDC::DoPolygon(const CPoint* points, int count)
{
    // A run gathered means no chain of lines, and the pen, brush and mapping
    // it was gathered with.
    if (m_spans.Add(points, count))
        return;
    const bool merge = m_bReduceLines && !IsDashed(GetCurrentPen());
    Flush();
    if (IsOutside(points, count))
        return;
    UsePen();
    UseBrush();
    // A new run is drawn with the pen and brush in force now.
    if (merge && m_spans.Start(points, count))
        return;
    m_painter.drawPolygon(ToQPoints(points, count), count, Qt::OddEvenFill);
}

void CPainterDC::DoPolyline(const CPoint* points, int count)
{
    Flush();
    if (IsOutside(points, count))
        return;
    UsePen();
    m_painter.drawPolyline(ToQPoints(points, count), count);
}

QRectF CPainterDC::BaseVisible() const
{
    return m_bBaseClip ? m_device & (m_base * m_ratio).mapRect(m_baseClip) : m_device;
}

void CPainterDC::DoClip(int left, int top, int right, int bottom)
{
    Flush();
    const QRectF r(QPointF(std::min(left, right), std::min(top, bottom)),
                   QPointF(std::max(left, right), std::max(top, bottom)));
    const bool intersect = m_painter.hasClipping();
    m_painter.setClipRect(r, intersect ? Qt::IntersectClip : Qt::ReplaceClip);
    m_visible = (intersect ? m_visible : m_device) & m_toDevice.mapRect(r);
}

void CPainterDC::DoClipOff()
{
    Flush();
    if (m_bBaseClip) {
        m_painter.setTransform(m_base);
        m_painter.setClipRect(m_baseClip, Qt::ReplaceClip);
        m_painter.setTransform(m_transform);
    } else {
        m_painter.setClipping(false);
    }
    m_visible = BaseVisible();
}

CPainterDC::FontEntry CPainterDC::MakeFont(const CFont& f) const
{
    FontEntry e;
    e.key = f;
    e.scale = m_dScale;
    // The substitute is named first, so that an SVG names a font its reader has.
    const QString face = DecodeText(f.face.data(), int(f.face.size()), TextEncoding::ShiftJis);
    QFont font;
    font.setFamilies({QFont::substitute(face), face});
    font.setWeight(QFont::Medium);
    const FaceRatios ratios = MeasureFace(font);
    const double height = std::abs(double(f.height)) * m_dScale;
    const int pixels = Clamped(height / ratios.cellHeight, 1, 100000);
    font.setPixelSize(pixels);
    // Width 0 asks for the face's own proportions.
    e.cell = ratios.halfAdvance * pixels;
    if (f.width > 0) {
        e.cell = f.width * m_dScale;
        font.setStretch(Clamped(100.0 * e.cell / (ratios.halfAdvance * pixels), 1, 4000));
    }
    font.setUnderline(false);
    // Small label text is drawn with whole pixels, as screens draw such fonts:
    // smoothed, a decimal point smears into something like a comma.
    if (pixels <= kCrispPixels)
        font.setStyleStrategy(QFont::NoAntialias);
    e.font = font;
    const QFontMetricsF fm(font, m_painter.device());
    e.ascent = fm.ascent();
    e.underlinePos = fm.underlinePos();
    e.lineWidth = std::max(1.0, fm.lineWidth());
    e.metrics = fm;
    if (m_bGlyphRuns)
        e.raw = QRawFont::fromFont(font);
    return e;
}

const CPainterDC::FontEntry& CPainterDC::UseFont()
{
    if (m_nFont < 0) {
        const CFont& f = GetCurrentFont();
        auto it = std::find_if(m_fonts.begin(), m_fonts.end(), [&](const FontEntry& e) { return e.key == f && e.scale == m_dScale; });
        if (it == m_fonts.end())
            it = m_fonts.insert(m_fonts.end(), MakeFont(f));
        m_nFont = int(it - m_fonts.begin());
        m_painter.setFont(it->font);
    }
    return m_fonts[std::size_t(m_nFont)];
}

namespace {

// UTF-16 of one character; returns the number of code units.
int ToUtf16(char32_t code, char16_t* units)
{
    if (code < 0x10000) {
        units[0] = char16_t(code);
        return 1;
    }
    units[0] = char16_t(0xD800 + ((code - 0x10000) >> 10));
    units[1] = char16_t(0xDC00 + ((code - 0x10000) & 0x3FF));
    return 2;
}

// Cells a character takes: its bytes in Shift-JIS. For Shift-JIS text that
// is its byte count; a UTF-8 character takes the cells it would in Shift-JIS,
// so Japanese labels keep their natural spacing in either encoding.
int Cells(const DecodedChar& c)
{
    if (c.bytes == 1 || (c.code >= 0xFF61 && c.code <= 0xFF9F))
        return 1;
    return 2;
}

}  // namespace

// Lays the decoded characters out in cells: each starts where the cells of
// the ones before it end. Returns the cells of the whole text.
int CPainterDC::LayOutCells()
{
    int cells = 0;
    for (DecodedChar& c : m_chars) {
        c.offset = cells;
        c.bytes = Cells(c);
        cells += c.bytes;
    }
    return cells;
}

// Each character starts at its cell; a double-width one is centred in its cells.
bool CPainterDC::DrawGlyphRun(const FontEntry& f, double x, double baseline, double cell)
{
    m_utf16.clear();
    for (const DecodedChar& c : m_chars) {
        char16_t units[2];
        const int n = ToUtf16(c.code, units);
        m_utf16.insert(m_utf16.end(), units, units + n);
    }
    const int count = int(m_chars.size());
    m_glyphs.resize(m_utf16.size());
    int glyphCount = int(m_glyphs.size());
    if (!f.raw.glyphIndexesForChars(reinterpret_cast<const QChar*>(m_utf16.data()), int(m_utf16.size()),
                                    m_glyphs.data(), &glyphCount) ||
        glyphCount != count)
        return false;
    m_advances.resize(std::size_t(count));
    f.raw.advancesForGlyphIndexes(m_glyphs.data(), m_advances.data(), count);
    m_positions.resize(std::size_t(count));
    for (int i = 0; i < count; ++i) {
        const DecodedChar& c = m_chars[std::size_t(i)];
        double gx = x + c.offset * cell;
        if (c.bytes > 1)
            gx += (c.bytes * cell - m_advances[std::size_t(i)].x()) * 0.5;
        m_positions[std::size_t(i)] = QPointF(gx, baseline);
    }
    QGlyphRun run;
    run.setRawFont(f.raw);
    run.setRawData(m_glyphs.data(), m_positions.data(), count);
    m_painter.drawGlyphRun(QPointF(0.0, 0.0), run);
    return true;
}

void CPainterDC::DrawEachChar(const FontEntry& f, double x, double baseline, double cell)
{
    for (const DecodedChar& c : m_chars) {
        char16_t units[2];
        const int n = ToUtf16(c.code, units);
        const QString glyph = QString::fromRawData(reinterpret_cast<const QChar*>(units), n);
        double gx = x + c.offset * cell;
        if (c.bytes > 1)
            gx += (c.bytes * cell - f.metrics.horizontalAdvance(glyph)) * 0.5;
        m_painter.drawText(QPointF(gx, baseline), glyph);
    }
}

void CPainterDC::DoTextOut(int x, int y, const char* text, int count)
{
    Flush();
    DecodeChars(text, count, GetTextEncoding(), m_chars);
    if (m_chars.empty())
        return;
    const FontEntry& f = UseFont();
    const CFont& font = GetCurrentFont();
    const QPointF origin = m_map.map(QPointF(x, y));
    const double cell = f.cell;
    const double drawnWidth = LayOutCells() * cell;
    // A whole-pixel baseline keeps small glyphs such as the decimal point crisp.
    const double baseline = std::round(origin.y() + f.ascent);

    // Text is placed in device pixels, never mirrored by the page's y flip.
    m_painter.setTransform(m_base);
    if (GetBkMode() == OPAQUE)
        m_painter.fillRect(QRectF(origin.x(), origin.y(), drawnWidth, std::abs(font.height) * m_dScale),
                           ToQColor(GetBkColor()));
    m_painter.setPen(ToQColor(GetTextColor()));
    m_bPenDirty = true;
    if (!m_bGlyphRuns || !DrawGlyphRun(f, origin.x(), baseline, cell))
        DrawEachChar(f, origin.x(), baseline, cell);
    if (font.underline)
        m_painter.fillRect(QRectF(origin.x(), baseline + f.underlinePos, drawnWidth, f.lineWidth),
                           ToQColor(GetTextColor()));
    m_painter.setTransform(m_transform);
}
