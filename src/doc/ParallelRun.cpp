#include "doc/ParallelRun.h"

#include <algorithm>
#include <atomic>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace {

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

} // namespace

unsigned ThreadCount(unsigned threads)
{
    return threads != 0 ? threads : std::max(1u, std::thread::hardware_concurrency());
}

void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work)
{
    threads = ThreadCount(threads);
    CWorkQueue queue(count, work);
    std::vector<std::jthread> helpers;
    const std::size_t wanted = std::min<std::size_t>(threads, count);
    try {
        for (std::size_t t = 1; t < wanted; ++t)
            helpers.emplace_back([&queue] { queue.Run(); });
    } catch (const std::system_error&) {
        // No more threads to be had: those started and this one do the work.
    }
    queue.Run();
    helpers.clear();   // joins
    queue.ThrowAnyError();
}
