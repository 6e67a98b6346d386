#include "gfx/BandedDraw.h"

#include "gfx/PainterDC.h"
#include "work/WorkerPool.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Counts the shapes whose middle lies on each image row.
class CShapeCountDC : public CDC {
public:
    CShapeCountDC(int height, double ratio, double dotsPerMm)
        : m_rows(std::size_t(height), 0)
        , m_dRatio(ratio)
        , m_dDotsPerMm(dotsPerMm)
    {
        m_bDraft = true;
        OnMappingChanged();
    }
    const std::vector<long long>& Rows() const { return m_rows; }

protected:
    void OnMappingChanged() override
    {
        const PageMap page = GetPageMap(m_dDotsPerMm);
        m_dRowScale = page.sy * m_dRatio;
        m_dRowOffset = page.dy * m_dRatio;
    }
    void DoLine(CPoint from, CPoint to) override { Count(from.y, to.y); }
    void DoRectangle(int /*left*/, int top, int /*right*/, int bottom) override { Count(top, bottom); }
    void DoPolygon(const CPoint* points, int count) override { CountPoints(points, count); }
    void DoPolyline(const CPoint* points, int count) override { CountPoints(points, count); }
    void DoTextOut(int /*x*/, int /*y*/, const char* /*text*/, int /*count*/) override {}
    void DoClip(int /*left*/, int /*top*/, int /*right*/, int /*bottom*/) override {}
    void DoClipOff() override {}

private:
    void CountPoints(const CPoint* points, int count)
    {
        const auto [low, high] = std::minmax_element(points, points + count,
                                                     [](const CPoint& a, const CPoint& b) { return a.y < b.y; });
        Count(low->y, high->y);
    }
    void Count(int y1, int y2)
    {
        const double row = (0.5 * y1 + 0.5 * y2) * m_dRowScale + m_dRowOffset;
        if (row >= 0.0 && row < double(m_rows.size()))
            ++m_rows[std::size_t(row)];
    }

    std::vector<long long> m_rows;
    double m_dRatio;
    double m_dDotsPerMm;
    double m_dRowScale = 1.0;
    double m_dRowOffset = 0.0;
};

// Rows a band starts at must be whole page pixels too, so that the clip of
// each band falls exactly on its rows: a multiple of this many rows.
int RowStep(double ratio)
{
    for (int step = 1; step <= 16; ++step) {
        const double logical = step / ratio;
        if (logical == std::trunc(logical) && logical * ratio == step)
            return step;
    }
    return 0;
}

// Band top .. bottom - 1 of the image whose memory is bits.
void DrawBand(const QImage& image, uchar* bits, int top, int bottom, double dotsPerMm, const BandDraw& draw, int band)
{
    const double ratio = image.devicePixelRatio();
    QImage view(bits, image.width(), image.height(), image.bytesPerLine(), image.format());
    view.setDevicePixelRatio(ratio);
    view.setDotsPerMeterX(image.dotsPerMeterX());
    view.setDotsPerMeterY(image.dotsPerMeterY());
    QPainter painter(&view);
    painter.setClipRect(QRectF(0.0, top / ratio, image.width() / ratio, (bottom - top) / ratio));
    {
        CPainterDC dc(painter, dotsPerMm);
        draw(dc, band);
    }
    painter.end();
}

}  // namespace

std::vector<int> CutIntoBands(const QImage& image, int threads, double dotsPerMm, const BandDraw& draw)
{
    if (image.isNull())
        return {};
    const int height = image.height();
    const int step = RowStep(image.devicePixelRatio());
    const int units = step > 0 ? (height + step - 1) / step : 1;
    const int count = std::clamp(threads, 1, units);
    std::vector<int> bands(std::size_t(count) + 1, height);
    bands[0] = 0;
    if (count == 1)
        return bands;
    CShapeCountDC counter(height, image.devicePixelRatio(), dotsPerMm);
    draw(counter, -1);
    std::vector<long long> rows = counter.Rows();
    long long total = std::accumulate(rows.begin(), rows.end(), 0LL);
    if (total == 0) {
        // With nothing counted the bands are as tall as one another.
        std::fill(rows.begin(), rows.end(), 1);
        total = height;
    }
    int row = 0;
    long long seen = 0;
    for (int n = 1; n < count; ++n) {
        const long long wanted = (total * n + count / 2) / count;
        while (row < height && seen < wanted)
            seen += rows[std::size_t(row++)];
        // Every band keeps at least a step of rows.
        const int start = (row + step / 2) / step * step;
        bands[std::size_t(n)] = std::clamp(start, bands[std::size_t(n) - 1] + step, (units - (count - n)) * step);
    }
    return bands;
}

void DrawInBands(QImage& image, int threads, double dotsPerMm, const BandDraw& draw)
{
    const std::vector<int> bands = CutIntoBands(image, threads, dotsPerMm, draw);
    if (bands.empty())
        return;
    const int count = int(bands.size()) - 1;
    uchar* bits = image.bits();  // detaches now, before the threads share the memory
    CWorkerPool::Instance().RunInParallel(std::size_t(count), unsigned(count), [&](std::size_t n) {
        DrawBand(image, bits, bands[n], bands[n + 1], dotsPerMm, draw, int(n));
    });
}
