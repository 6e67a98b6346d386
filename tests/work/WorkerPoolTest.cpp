#include "work/CancelToken.h"
#include "work/WorkerPool.h"

#include <gtest/gtest.h>

#include <atomic>
#include <new>
#include <vector>

// Every item once, whatever the number of threads asked for; the calling
// thread takes items too, so that a run inside a task of the pool (a page in
// bands drawn by a window's task) never waits for a thread.
TEST(WorkerPool, RunsEveryItemOnce)
{
    CWorkerPool& pool = CWorkerPool::Instance();
    for (const unsigned threads : {0u, 1u, 2u, 7u}) {
        std::vector<std::atomic<int>> hits(1000);
        pool.RunInParallel(hits.size(), threads, [&](std::size_t i) { ++hits[i]; });
        for (const std::atomic<int>& h : hits)
            ASSERT_EQ(h, 1) << threads;
    }
    std::atomic<int> inner{0};
    std::vector<CTask> tasks;
    for (int t = 0; t < 6; ++t)
        tasks.push_back(pool.Post([&] { pool.RunInParallel(100, 4, [&](std::size_t) { ++inner; }); }));
    for (const CTask& task : tasks)
        task.Wait();
    EXPECT_EQ(inner, 600);
    EXPECT_TRUE(tasks.front().IsDone() && CTask().IsDone());
}

// An exception of one item stops the run and comes out of it once every thread ended.
TEST(WorkerPool, ThrowsWhatAnItemThrew)
{
    // On several threads the error comes back; on one, no item after it runs.
    for (const unsigned threads : {3u, 1u}) {
        std::atomic<int> ran{0};
        EXPECT_THROW(CWorkerPool::Instance().RunInParallel(10000, threads,
                                                           [&](std::size_t i) {
                                                               ++ran;
                                                               if (i == 10)
                                                                   throw std::bad_alloc();
                                                           }),
                     std::bad_alloc);
        if (threads == 1)
            EXPECT_EQ(ran, 11);
    }
}

// Copies share a flag; a renewed token starts a new one.
TEST(CancelToken, CopiesShareAndRenewedStartsAgain)
{
    CCancelToken token;
    const CCancelToken copy = token;
    token.Cancel();
    EXPECT_TRUE(copy.IsCancelled());
    token.Renew();
    EXPECT_FALSE(token.IsCancelled());
    EXPECT_TRUE(copy.IsCancelled());
}
