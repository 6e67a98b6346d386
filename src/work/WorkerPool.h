#pragma once
// The program's one pool of worker threads: reading, importing, drawing a
// window's pages (in bands for the 3D chart) and showing a read's progress
// all run on it. A thread is made when work waits and none is free, and then
// kept for the next work: none is started for a frame or a read.

#include <condition_variable>
#include <cstddef>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

// A task posted to the pool: whether it has run, and a wait for it.
class CTask {
public:
    CTask() = default;
    bool IsDone() const;
    // Returns when the task has run (at once for a task never posted).
    void Wait() const;

private:
    friend class CWorkerPool;
    struct State {
        std::mutex mutex;
        std::condition_variable done;
        bool finished = false;
    };
    std::shared_ptr<State> m_state;
};

class CWorkerPool {
public:
    static CWorkerPool& Instance();
    CWorkerPool() = default;
    // Waits for the threads to finish their tasks and ends them.
    ~CWorkerPool();
    CWorkerPool(const CWorkerPool&) = delete;
    CWorkerPool& operator=(const CWorkerPool&) = delete;

    // Runs task on a thread of the pool.
    CTask Post(std::function<void()> task);

    // Calls work(i) once for each i in [0, count) on at most threads threads
    // (0: one per core), the calling one among them: each takes the next item
    // until none is left, so that a run from a task of the pool never waits
    // for a thread. An exception thrown by a call (bad_alloc) stops handing
    // out items and is thrown again here once every thread has ended.
    void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);

    // The threads a run takes when asked for threads (0: one per core).
    static unsigned ThreadCount(unsigned threads);

private:
    void Serve();

    std::mutex m_mutex;
    std::condition_variable m_wake;
    std::deque<std::function<void()>> m_tasks;
    std::vector<std::thread> m_threads;
    std::size_t m_nIdle = 0;
    bool m_bQuit = false;
};
