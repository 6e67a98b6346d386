#include "doc/MapGuard.h"

#include <csetjmp>
#include <mutex>

#include <signal.h>

namespace {

struct Guard {
    sigjmp_buf jump;
    const char* begin;
    const char* end;
    struct Guard* outer;   // the guard of a RunGuarded that this one runs inside
};

thread_local Guard* t_guard = nullptr;
struct sigaction g_previous {};

void OnBusError(int, siginfo_t* info, void*)
{
    const char* at = static_cast<const char*>(info->si_addr);
    for (Guard* guard = t_guard; guard; guard = guard->outer) {
        if (at >= guard->begin && at < guard->end) {
            t_guard = guard->outer;
            siglongjmp(guard->jump, 1);
        }
    }
    // Not a page of ours: the access repeats and the handler before ours takes it.
    sigaction(SIGBUS, &g_previous, nullptr);
}

void InstallHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        struct sigaction action {};
        action.sa_sigaction = OnBusError;
        action.sa_flags = SA_SIGINFO | SA_NODEFER;
        sigemptyset(&action.sa_mask);
        sigaction(SIGBUS, &action, &g_previous);
    });
}

} // namespace

bool RunGuarded(const char* begin, const char* end, const std::function<void()>& work)
{
    InstallHandler();
    Guard guard;
    guard.begin = begin;
    guard.end = end;
    guard.outer = t_guard;
    struct Disarm {
        Guard* outer;
        ~Disarm() { t_guard = outer; }   // also when work throws
    } disarm{guard.outer};
    if (sigsetjmp(guard.jump, 1) != 0)
        return false;
    t_guard = &guard;
    work();
    return true;
}
