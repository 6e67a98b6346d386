#pragma once
// A read's progress on standard error, as "sorv: reading NAME 42%", while
// the read lasts longer than a moment and standard error is a terminal.

#include <condition_variable>
#include <mutex>
#include <string>
#include <thread>

class CReadProgress;

class CTerminalProgress {
public:
    // The display ends, its line cleared, when the object goes.
    CTerminalProgress(const CReadProgress& progress, std::string name);

private:
    void Run(std::stop_token stop);
    void Show(bool& shown) const;

    const CReadProgress& m_progress;
    std::string m_strName;
    std::mutex m_mutex;
    std::condition_variable_any m_wake;
    std::jthread m_thread;   // last: stopped and joined first
};
