#pragma once
// The flag that stops a piece of work: whoever starts the work keeps a copy
// to cancel it with, whoever does it polls it. Copies share one flag.

#include <atomic>
#include <memory>

class CCancelToken {
public:
    CCancelToken() : m_flag(std::make_shared<std::atomic<bool>>(false)) {}

    void Cancel() const { m_flag->store(true, std::memory_order_relaxed); }
    bool IsCancelled() const { return m_flag->load(std::memory_order_relaxed); }
    // A new flag for the next piece of work; copies taken before keep the old one.
    void Renew() { m_flag = std::make_shared<std::atomic<bool>>(false); }

private:
    std::shared_ptr<std::atomic<bool>> m_flag;
};
