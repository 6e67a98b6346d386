#pragma once
// A read's progress on standard error, as "sorv: reading NAME 42%", while
// the read lasts longer than a moment and standard error is a terminal.

#include "work/WorkerPool.h"

#include <condition_variable>
#include <mutex>
#include <string>

class CReadProgress;

class CTerminalProgress {
public:
    // The display, a task of the worker pool, ends with its line cleared
    // when the object goes.
    CTerminalProgress(const CReadProgress& progress, std::string name);
    ~CTerminalProgress();

private:
    void Run();
    void Show(bool& shown) const;

    const CReadProgress& m_progress;
    std::string m_strName;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStop = false;
    CTask m_task;
};
