#include "gfx/BandedDC.h"

#include "gfx/PainterDC.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <string>

enum class CBandedDC::Kind : unsigned char {
    Pen, Brush, Font, TextState, ScreenMapping, LoMetricMapping, Line, Rect, Polygon, Polyline, Text, Clip, ClipOff
};

struct CBandedDC::Op {
    Kind kind;
    int a, b, c, d;
};

// A bounded piece of the page: operations, with the points, texts and fonts
// they refer to by index.
struct CBandedDC::Chunk {
    static constexpr std::size_t kOps = 1 << 15;
    static constexpr std::size_t kPoints = 1 << 17;
    static constexpr std::size_t kBytes = 1 << 16;

    std::vector<Op> ops;
    std::vector<CPoint> points;
    std::string text;
    std::vector<CFont> fonts;

    Chunk()
    {
        ops.reserve(kOps);
        points.reserve(kPoints);
    }
    bool Full() const { return ops.size() >= kOps || points.size() >= kPoints || text.size() >= kBytes; }
    void Clear()
    {
        ops.clear();
        points.clear();
        text.clear();
        fonts.clear();
    }
};

namespace {

// Rows a band starts at must be whole logical pixels too, so that the clip
// of each band falls exactly on its rows: a multiple of this many rows.
int RowStep(double ratio)
{
    for (int step = 1; step <= 16; ++step) {
        const double logical = step / ratio;
        if (logical == std::trunc(logical) && logical * ratio == step)
            return step;
    }
    return 0;
}

}  // namespace

CBandedDC::CBandedDC(QImage& image, int bands, double dotsPerMm)
    : m_image(image)
    , m_dDotsPerMm(dotsPerMm)
{
    for (int i = 0; i < kChunks; ++i)
        m_chunks.push_back(std::make_unique<Chunk>());
    m_filling = m_chunks.front().get();
    if (image.isNull())
        return;
    m_pBits = image.bits();  // detaches now, before the bands share the memory
    const int step = RowStep(image.devicePixelRatio());
    const int units = step > 0 ? (image.height() + step - 1) / step : 1;
    const int count = std::clamp(bands, 1, units);
    int top = 0;
    for (int i = 0; i < count; ++i) {
        const int bottom = i + 1 == count ? image.height() : std::min(image.height(), (units * (i + 1) / count) * step);
        m_bands.push_back({top, bottom - top, 0, {}});
        top = bottom;
    }
    for (Band& band : m_bands)
        band.thread = std::thread([this, &band] { RunBand(band); });
}

CBandedDC::~CBandedDC()
{
    Finish();
}

void CBandedDC::Finish()
{
    if (m_bFinished)
        return;
    m_bFinished = true;
    if (!m_filling->ops.empty() && !IsCancelled())
        Submit();
    WaitForBands();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bQuit = true;
    }
    m_start.notify_all();
    for (Band& band : m_bands)
        band.thread.join();
}

void CBandedDC::Submit()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    ++m_nGeneration;
    m_start.notify_all();
    // The next chunk of the ring is free once every band has replayed it.
    m_done.wait(lock, [this] { return BandsDone(m_nGeneration - kChunks + 1); });
    m_filling = m_chunks[std::size_t(m_nGeneration % kChunks)].get();
    m_filling->Clear();
}

void CBandedDC::WaitForBands()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_done.wait(lock, [this] { return BandsDone(m_nGeneration); });
}

bool CBandedDC::BandsDone(long long count) const
{
    return std::all_of(m_bands.begin(), m_bands.end(), [count](const Band& band) { return band.done >= count; });
}

// One band: the whole image's memory, clipped to the band's rows.
void CBandedDC::RunBand(Band& band)
{
    const double ratio = m_image.devicePixelRatio();
    QImage image(m_pBits, m_image.width(), m_image.height(), m_image.bytesPerLine(), m_image.format());
    image.setDevicePixelRatio(ratio);
    image.setDotsPerMeterX(m_image.dotsPerMeterX());
    image.setDotsPerMeterY(m_image.dotsPerMeterY());
    QPainter painter(&image);
    painter.setClipRect(QRectF(0.0, band.top / ratio, image.width() / ratio, band.rows / ratio));
    CPainterDC dc(painter, m_dDotsPerMm);
    for (;;) {
        const Chunk* chunk = nullptr;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_start.wait(lock, [&] { return m_nGeneration != band.done || m_bQuit; });
            if (m_nGeneration == band.done)
                break;
            chunk = m_chunks[std::size_t(band.done % kChunks)].get();
        }
        Replay(*chunk, dc);
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            ++band.done;
        }
        m_done.notify_one();
    }
    dc.Flush();
}

void CBandedDC::Replay(const Chunk& chunk, CDC& dc) const
{
    // A band looks at the cancel flag every so many operations.
    constexpr std::size_t kCheckEvery = 1024;
    for (std::size_t n = 0; n < chunk.ops.size(); ++n) {
        if (n % kCheckEvery == 0 && IsCancelled())
            return;
        const Op& op = chunk.ops[n];
        switch (op.kind) {
        case Kind::Pen: dc.SelectObject(CPen{op.a, op.b, COLORREF(op.c)}); break;
        case Kind::Brush: dc.SelectObject(CBrush{COLORREF(op.a)}); break;
        case Kind::Font: dc.SelectObject(chunk.fonts[std::size_t(op.a)]); break;
        case Kind::TextState:
            dc.SetTextColor(COLORREF(op.a));
            dc.SetBkColor(COLORREF(op.b));
            dc.SetBkMode(op.c);
            dc.SetTextEncoding(TextEncoding(op.d));
            break;
        case Kind::ScreenMapping: dc.SetScreenMapping(0, op.a); break;
        case Kind::LoMetricMapping: dc.SetLoMetricMapping(op.a, op.b); break;
        case Kind::Line:
            dc.MoveTo(op.a, op.b);
            dc.LineTo(op.c, op.d);
            break;
        case Kind::Rect: dc.Rectangle(op.a, op.b, op.c, op.d); break;
        case Kind::Polygon: dc.Polygon(&chunk.points[std::size_t(op.a)], op.b); break;
        case Kind::Polyline: dc.Polyline(&chunk.points[std::size_t(op.a)], op.b); break;
        case Kind::Text: dc.TextOut(op.a, op.b, chunk.text.data() + op.c, op.d); break;
        case Kind::Clip: dc.IntersectClipRect(op.a, op.b, op.c, op.d); break;
        case Kind::ClipOff: dc.SelectClipRgnNull(); break;
        }
    }
}

void CBandedDC::Queue(Kind kind, int a, int b, int c, int d)
{
    if (!Accepting())
        return;
    m_filling->ops.push_back({kind, a, b, c, d});
    if (m_filling->Full())
        Submit();
}

void CBandedDC::QueuePoints(Kind kind, const CPoint* points, int count)
{
    if (!Accepting())
        return;
    const int first = int(m_filling->points.size());
    m_filling->points.insert(m_filling->points.end(), points, points + count);
    Queue(kind, first, count);
}

// Text colour, background and encoding are plain state of the surface: they
// go to the bands only when a text needs them and they have changed.
void CBandedDC::QueueTextState()
{
    if (m_bTextState && m_crText == GetTextColor() && m_crBk == GetBkColor() && m_nBkMode == GetBkMode() &&
        m_encoding == GetTextEncoding())
        return;
    m_bTextState = true;
    m_crText = GetTextColor();
    m_crBk = GetBkColor();
    m_nBkMode = GetBkMode();
    m_encoding = GetTextEncoding();
    Queue(Kind::TextState, int(m_crText), int(m_crBk), m_nBkMode, int(m_encoding));
}

void CBandedDC::OnMappingChanged()
{
    if (m_mapping == Mapping::Screen)
        Queue(Kind::ScreenMapping, m_nClientHeight);
    else if (m_mapping == Mapping::LoMetric)
        Queue(Kind::LoMetricMapping, m_nOriginX, m_nOriginY);
}

void CBandedDC::OnPenChanged()
{
    const CPen& pen = GetCurrentPen();
    Queue(Kind::Pen, pen.style, pen.width, int(pen.color));
}

void CBandedDC::OnBrushChanged()
{
    Queue(Kind::Brush, int(GetCurrentBrush().color));
}

void CBandedDC::OnFontChanged()
{
    if (!Accepting())
        return;
    m_filling->fonts.push_back(GetCurrentFont());
    Queue(Kind::Font, int(m_filling->fonts.size()) - 1);
}

void CBandedDC::DoLine(CPoint from, CPoint to)
{
    Queue(Kind::Line, from.x, from.y, to.x, to.y);
}

void CBandedDC::DoRectangle(int left, int top, int right, int bottom)
{
    Queue(Kind::Rect, left, top, right, bottom);
}

void CBandedDC::DoPolygon(const CPoint* points, int count)
{
    QueuePoints(Kind::Polygon, points, count);
}

void CBandedDC::DoPolyline(const CPoint* points, int count)
{
    QueuePoints(Kind::Polyline, points, count);
}

void CBandedDC::DoTextOut(int x, int y, const char* text, int count)
{
    if (!Accepting())
        return;
    QueueTextState();
    const int first = int(m_filling->text.size());
    m_filling->text.append(text, std::size_t(count));
    Queue(Kind::Text, x, y, first, count);
}

void CBandedDC::DoClip(int left, int top, int right, int bottom)
{
    Queue(Kind::Clip, left, top, right, bottom);
}

void CBandedDC::DoClipOff()
{
    Queue(Kind::ClipOff);
}
