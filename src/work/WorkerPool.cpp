#include "work/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <system_error>

namespace {

// The items of one run, handed out in turn to whichever thread asks next.
class CWorkQueue {
public:
    CWorkQueue(std::size_t count, const std::function<void(std::size_t)>& work) : m_count(count), m_work(work) {}

    void Run()
    {
        for (std::size_t i; (i = m_next.fetch_add(1)) < m_count;) {
            try {
                m_work(i);
            } catch (...) {
                const std::lock_guard lock(m_mutex);
                if (!m_error)
                    m_error = std::current_exception();
                m_next = m_count;
            }
        }
    }

    void ThrowAnyError() const
    {
        if (m_error)
            std::rethrow_exception(m_error);
    }

private:
    const std::size_t m_count;
    const std::function<void(std::size_t)>& m_work;
    std::atomic<std::size_t> m_next{0};
    std::mutex m_mutex;
    std::exception_ptr m_error;
};

}  // namespace

bool CTask::IsDone() const
{
    if (!m_state)
        return true;
    const std::lock_guard lock(m_state->mutex);
    return m_state->finished;
}

void CTask::Wait() const
{
    if (!m_state)
        return;
    std::unique_lock lock(m_state->mutex);
    m_state->done.wait(lock, [this] { return m_state->finished; });
}

CWorkerPool& CWorkerPool::Instance()
{
    static CWorkerPool pool;
    return pool;
}

CWorkerPool::~CWorkerPool()
{
    {
        const std::lock_guard lock(m_mutex);
        m_bQuit = true;
    }
    m_wake.notify_all();
    for (std::thread& thread : m_threads)
        thread.join();
}

unsigned CWorkerPool::ThreadCount(unsigned threads)
{
    return threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
}

CTask CWorkerPool::Post(std::function<void()> task)
{
    CTask handle;
    handle.m_state = std::make_shared<CTask::State>();
    auto run = [task = std::move(task), state = handle.m_state] {
        task();
        const std::lock_guard lock(state->mutex);
        state->finished = true;
        state->done.notify_all();
    };
    {
        const std::lock_guard lock(m_mutex);
        m_tasks.push_back(std::move(run));
        // A thread more when every one is busy: a long task never holds up another.
        if (m_nIdle < m_tasks.size())
            m_threads.emplace_back([this] { Serve(); });
    }
    m_wake.notify_one();
    return handle;
}

void CWorkerPool::Serve()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        ++m_nIdle;
        m_wake.wait(lock, [this] { return m_bQuit || !m_tasks.empty(); });
        --m_nIdle;
        if (m_tasks.empty())
            return;   // quitting with nothing left to do
        std::function<void()> task = std::move(m_tasks.front());
        m_tasks.pop_front();
        lock.unlock();
        task();
        lock.lock();
    }
}

void CWorkerPool::RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work)
{
    CWorkQueue queue(count, work);
    std::vector<CTask> helpers;
    const std::size_t wanted = std::min<std::size_t>(ThreadCount(threads), count);
    try {
        for (std::size_t t = 1; t < wanted; ++t)
            helpers.push_back(Post([&queue] { queue.Run(); }));
    } catch (const std::system_error&) {
        // No more threads to be had: those started and this one do the work.
    }
    queue.Run();
    for (const CTask& helper : helpers)
        helper.Wait();
    queue.ThrowAnyError();
}
