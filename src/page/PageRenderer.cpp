#include "page/PageRenderer.h"

#include "page/PageImage.h"

#include <new>
#include <utility>

CRenderedPage RenderPage(const CPageRequest& request, const std::atomic<bool>* cancel)
{
    CRenderedPage page;
    page.draft = request.draft;
    const QSize size = (QSizeF(request.clientWidth, request.clientHeight) * request.ratio).toSize();
    // A window without area shows no page.
    if (size.isEmpty())
        return page;
    try {
        CPageImage drawn = DrawPageImage(*request.doc, request.settings, request.clientWidth, request.clientHeight,
                                         request.ratio, cancel, request.draft, request.minText);
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
            m_bDraftInFlight = request.draft;
            m_bCancel = false;
        }
        CRenderedPage page = RenderPage(request, &m_bCancel);
        page.serial = serial;
        bool finished = false;
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            m_bBusy = false;
            finished = !m_bCancel;
            if (finished)
                m_finished = std::move(page);
        }
        m_idle.notify_all();
        if (finished && m_fnFinished)
            m_fnFinished();
    }
}
