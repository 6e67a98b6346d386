#pragma once
// A pass of a read over the pieces of its text on the reading threads: each
// piece under the map guard of the whole text (a file shortened while it is
// mapped fails the read), and none begun once the read is cancelled.

#include "read/ReadFailure.h"

#include <cstddef>
#include <functional>

class CReadProgress;

class CReadPass {
public:
    // threads: 0 for one per core.
    CReadPass(const char* begin, const char* end, unsigned threads, CReadProgress& progress);

    // Runs work(i) for every piece i in [0, count). False when the read was
    // cancelled or the text shortened under it; Failure then says which.
    bool Run(std::size_t count, const std::function<void(std::size_t)>& work);
    // Runs work on this thread under the map guard of the text: the steps
    // around the passes look at the text too. False when it shortened.
    bool Guard(const std::function<void()>& work);

    CReadProgress& Progress() const { return m_progress; }
    const ReadFailure& Failure() const { return m_failure; }

private:
    const char* m_begin;
    const char* m_end;
    unsigned m_threads;
    CReadProgress& m_progress;
    ReadFailure m_failure;

    bool Shortened();
};
