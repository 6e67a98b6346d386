#pragma once
// Runs the same work on many items on several threads, the calling one
// included: each thread takes the next item until none is left.

#include <cstddef>
#include <functional>

// The threads a run takes when asked for threads (0: one per core).
unsigned ThreadCount(unsigned threads);

// Calls work(i) once for each i in [0, count), on at most threads threads (0:
// one per core). An exception thrown by a call (bad_alloc) stops handing out
// items and is thrown again here once every thread has ended.
void RunInParallel(std::size_t count, unsigned threads, const std::function<void(std::size_t)>& work);
