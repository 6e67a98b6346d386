#include "page/PageRenderer.h"

#include "page/PageImage.h"

#include <chrono>
#include <new>
#include <utility>

CRenderedPage RenderPage(const CPageRequest& request, bool draft, const std::atomic<bool>* cancel,
                         std::atomic<int>* progress)
{
    CRenderedPage page;
    page.draft = draft;
    const QSize size = (QSizeF(request.clientWidth, request.clientHeight) * request.ratio).toSize();
    // A window without area shows no page.
    if (size.isEmpty())
        return page;
    try {
        CPageImage drawn = DrawPageImage(*request.doc, request.settings, request.clientWidth, request.clientHeight,
                                         request.ratio, request.minText, {cancel, progress, draft});
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

CPageRenderer::CPageRenderer(std::function<void()> onFinished)
    : m_fnFinished(std::move(onFinished)), m_thread([this] { Run(); })
{
}

CPageRenderer::~CPageRenderer()
{
    Stop();
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_bQuit = true;
    }
    m_wake.notify_one();
    m_thread.join();
}

long long CPageRenderer::Request(CPageRequest request)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    m_pending = std::move(request);
    if (m_bBusy && !m_bDraftInFlight)
        m_bCancel = true;
    m_wake.notify_one();
    return ++m_nSerial;
}

void CPageRenderer::Stop()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_pending.reset();
    if (m_bBusy)
        m_bCancel = true;
    m_idle.wait(lock, [this] { return !m_bBusy; });
}

std::optional<CRenderedPage> CPageRenderer::Take()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return std::exchange(m_finished, std::nullopt);
}

void CPageRenderer::Run()
{
    for (;;) {
        CPageRequest request;
        long long serial = 0;
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            m_wake.wait(lock, [this] { return m_pending || m_bQuit; });
            if (m_bQuit)
                return;
            request = std::move(*m_pending);
            m_pending.reset();
            serial = m_nSerial;
            m_bBusy = true;
            m_bCancel = false;
        }
        // The exact page follows its draft unless a newer request or a stop came meanwhile.
        const bool draftFirst = request.draftFirst && !request.draft;
        if (!draftFirst || Render(request, serial, true))
            Render(request, serial, request.draft);
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bBusy = false;
        }
        m_idle.notify_all();
    }
}

bool CPageRenderer::Render(const CPageRequest& request, long long serial, bool draft)
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_bCancel || (!draft && m_pending && request.draftFirst))
            return false;
        m_bDraftInFlight = draft;
    }
    m_nProgress = 0;
    const auto start = std::chrono::steady_clock::now();
    CRenderedPage page = RenderPage(request, draft, &m_bCancel, draft ? nullptr : &m_nProgress);
    page.serial = serial;
    bool finished = false;
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        finished = !m_bCancel;
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
