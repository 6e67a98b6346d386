#include "page/PageRenderer.h"

#include "page/PageImage.h"

#include <chrono>
#include <new>
#include <utility>

namespace {

// A recording longer than this would take long to play on the GUI thread,
// and then again at every paint of the preview: such a page comes as an image.
constexpr qint64 kLongestPlayedPage = 8 << 20;

// Scatter markers and 3D cells are recorded one by one where they show, in
// about a hundred bytes each: with this many cells in the region the
// recording is surely too long.
constexpr long long kSurelyLongCells = 100000;

bool SurelyLong(const CPageRequest& request)
{
    const int type = request.settings.m_nGraphType;
    return (type == 0 || type == 3) && request.doc.RegionCells() > kSurelyLongCells;
}

// The page recorded, unless that is long (or cannot be had for want of memory).
QPicture Recorded(const CPageRequest& request, const CPageControl& control)
{
    try {
        QPicture page = RecordPrintedPage(*request.printed, request.doc, request.settings, request.clientWidth,
                                          request.clientHeight, control);
        if (page.size() <= kLongestPlayedPage)
            return page;
    } catch (const std::bad_alloc&) {
    }
    return QPicture();
}

void DrawPrinted(const CPageRequest& request, CRenderedPage& page, const std::optional<CCancelToken>& cancel,
                 std::atomic<int>* progress)
{
    if (!SurelyLong(request)) {
        page.picture = Recorded(request, {cancel, progress});
        if (!page.picture.isNull() || (cancel && cancel->IsCancelled()))
            return;
        if (progress)
            *progress = 0;
    }
    page.image = DrawPrintedImage(*request.printed, request.printedImageDotsPerMm, request.doc, request.settings,
                                  request.clientWidth, request.clientHeight, {cancel, progress});
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
