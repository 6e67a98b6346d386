#include "read/ReadPass.h"

#include "read/MapGuard.h"
#include "read/ReadProgress.h"
#include "work/WorkerPool.h"

#include <atomic>

CReadPass::CReadPass(const char* begin, const char* end, unsigned threads, CReadProgress& progress)
    : m_begin(begin), m_end(end), m_threads(threads), m_progress(progress)
{
}

bool CReadPass::Run(std::size_t count, const std::function<void(std::size_t)>& work)
{
    std::atomic<bool> shortened = false;
    CWorkerPool::Instance().RunInParallel(count, m_threads, [&](std::size_t i) {
        if (!m_progress.IsCancelled() && !RunGuarded(m_begin, m_end, [&] { work(i); }))
            shortened = true;
    });
    if (shortened)
        return Shortened();
    if (m_progress.IsCancelled()) {
        m_failure = CancelledRead();
        return false;
    }
    return true;
}

bool CReadPass::Guard(const std::function<void()>& work)
{
    return RunGuarded(m_begin, m_end, work) || Shortened();
}

bool CReadPass::Shortened()
{
    m_failure = {ReadError::ShortRead, "the file became shorter while it was read"};
    return false;
}
