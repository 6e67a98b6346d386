#include "page/PageRenderer.h"

#include "page/PageImage.h"

#include <chrono>
#include <new>
#include <utility>

namespace {

// A recording longer than this (a dense scatter chart's markers, a large 3D
// surface's cells) would take long to play on the GUI thread, and then again
// at every paint of the preview: such a page comes as an image.
constexpr qint64 kLongestPlayedPage = 8 << 20;

// Scatter markers and 3D cells are recorded one by one where they show: with
// this many cells in the region the recording is surely too long.
constexpr long long kSurelyLongCells = 1000000;

bool SurelyLong(const CPageRequest& request)
{
    const CDocSnapshot& doc = request.doc;
    const int type = request.settings.m_nGraphType;
    return (type == 0 || type == 3) && doc.RegionInMatrix() &&
           (long long)(doc.m_nX2 - doc.m_nX1 + 1) * (doc.m_nY2 - doc.m_nY1 + 1) > kSurelyLongCells;
}

void DrawPrinted(const CPageRequest& request, CRenderedPage& page, const std::optional<CCancelToken>& cancel,
                 std::atomic<int>* progress)
{
    const CPrintGeometry& g = *request.printed;
    const bool record = !SurelyLong(request);
    if (record) {
        page.picture = RecordPrintedPage(g, request.doc, request.settings, request.clientWidth, request.clientHeight,
                                         {cancel, progress});
        if (page.picture.size() <= kLongestPlayedPage || (cancel && cancel->IsCancelled()))
            return;
        page.picture = QPicture();
    }
    // After a recording its progress stays where it came.
    page.image = DrawPrintedImage(g, request.printedImageDotsPerMm, request.doc, request.settings, request.clientWidth,
                                  request.clientHeight, {cancel, record ? nullptr : progress});
}

}  // namespace

CRenderedPage RenderPage(const CPageRequest& request, bool draft, std::optional<CCancelToken> cancel,
                         std::atomic<int>* progress)
{
    CRenderedPage page;
    page.draft = draft;
    try {
        if (request.printed) {
            DrawPrinted(request, page, cancel, progress);
            return page;
        }
        // A window without area shows no page.
        if ((QSizeF(request.clientWidth, request.clientHeight) * request.ratio).toSize().isEmpty())
            return page;
        CPageImage drawn = DrawPageImage(request.doc, request.settings, request.clientWidth, request.clientHeight,
                                         request.ratio, request.minText, {std::move(cancel), progress, draft});
        page.image = std::move(drawn.image);
        page.layout = drawn.layout;
    } catch (const std::bad_alloc& e) {
        page.noMemory = true;
        page.error = e.what();
    } catch (const std::exception& e) {
        page.error = e.what();
    }
    return page;
}

CPageRenderer::CPageRenderer(std::function<void()> onFinished) : m_fnFinished(std::move(onFinished)) {}

CPageRenderer::~CPageRenderer()
{
    Stop();
    m_task.Wait();
}

long long CPageRenderer::Request(CPageRequest request)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_pending = std::move(request);
    if (m_bBusy && !m_bDraftInFlight)
        m_cancel.Cancel();
    if (!m_bBusy) {
        m_bBusy = true;
        m_task = CWorkerPool::Instance().Post([this] { Drain(); });
    }
    return ++m_nSerial;
}

void CPageRenderer::Stop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_pending.reset();
    m_cancel.Cancel();
    m_idle.wait(lock, [this] { return !m_bBusy; });
}

std::optional<CRenderedPage> CPageRenderer::Take()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_finished, std::nullopt);
}

void CPageRenderer::Drain()
{
    for (;;) {
        CPageRequest request;
        long long serial = 0;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (!m_pending) {
                m_bBusy = false;
                m_idle.notify_all();
                return;
            }
            request = std::move(*m_pending);
            m_pending.reset();
            serial = m_nSerial;
            m_cancel.Renew();
        }
        // The exact page follows its draft unless a newer request or a stop came meanwhile.
        const bool draftFirst = request.draftFirst && !request.draft;
        if (!draftFirst || Render(request, serial, true))
            Render(request, serial, request.draft);
    }
}

bool CPageRenderer::Render(const CPageRequest& request, long long serial, bool draft)
{
    CCancelToken cancel;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_cancel.IsCancelled() || (!draft && m_pending && request.draftFirst))
            return false;
        m_bDraftInFlight = draft;
        cancel = m_cancel;
    }
    m_nProgress = 0;
    const auto start = std::chrono::steady_clock::now();
    CRenderedPage page = RenderPage(request, draft, cancel, draft ? nullptr : &m_nProgress);
    page.serial = serial;
    bool finished = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        finished = !cancel.IsCancelled();
        if (finished)
            m_finished = std::move(page);
        if (finished && !draft)
            m_nLastExactMs = std::chrono::duration_cast<std::chrono::milliseconds>(
                                 std::chrono::steady_clock::now() - start).count();
    }
    if (finished && m_fnFinished)
        m_fnFinished();
    return finished;
}
