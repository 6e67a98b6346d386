#include "read/MapGuard.h"

#include <cstdint>
#include <mutex>

#include <signal.h>
#include <sys/mman.h>
#include <unistd.h>

namespace {

struct Guard {
    const char* begin;
    const char* end;
    struct Guard* outer;   // the guard of a RunGuarded that this one runs inside
    volatile sig_atomic_t vanished;
};

thread_local Guard* t_guard = nullptr;
struct sigaction g_previous {};
std::uintptr_t g_pageSize = 4096;

// A page of the text that vanished is replaced by one of zeros, so that the
// access repeats and reads them: nothing is jumped over, every object keeps
// its destructor, and the guards that hold the page learn that the text is gone.
void OnBusError(int, siginfo_t* info, void*)
{
    const char* at = static_cast<const char*>(info->si_addr);
    bool ours = false;
    for (Guard* guard = t_guard; guard; guard = guard->outer) {
        if (at >= guard->begin && at < guard->end) {
            guard->vanished = 1;
            ours = true;
        }
    }
    void* page = reinterpret_cast<void*>(reinterpret_cast<std::uintptr_t>(at) & ~(g_pageSize - 1));
    if (ours && mmap(page, g_pageSize, PROT_READ, MAP_FIXED | MAP_PRIVATE | MAP_ANONYMOUS, -1, 0) != MAP_FAILED)
        return;
    // Not a page of ours: the access repeats and the handler before ours takes it.
    sigaction(SIGBUS, &g_previous, nullptr);
}

void InstallHandler()
{
    static std::once_flag once;
    std::call_once(once, [] {
        g_pageSize = std::uintptr_t(sysconf(_SC_PAGESIZE));
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
    Guard guard{begin, end, t_guard, 0};
    struct Disarm {
        Guard* outer;
        ~Disarm() { t_guard = outer; }   // also when work throws
    } disarm{guard.outer};
    t_guard = &guard;
    work();
    return !guard.vanished;
}
