#pragma once
// Runs a piece of a test in a child process whose address space may grow only
// by a given amount, as `ulimit -v` limits a program: an allocation beyond it
// fails as it would on a machine short of memory.

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstddef>
#include <cstdio>
#include <functional>

// The sanitizers reserve terabytes of address space up front: no limit can
// hold under them.
inline bool AddressSpaceCanBeLimited()
{
#if defined(__SANITIZE_ADDRESS__)
    return false;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
    return false;
#else
    return true;
#endif
#else
    return true;
#endif
}

// The address space the process has now, in bytes.
inline std::size_t AddressSpaceInUse()
{
    unsigned long pages = 0;
    if (FILE* f = std::fopen("/proc/self/statm", "r")) {
        if (std::fscanf(f, "%lu", &pages) != 1)
            pages = 0;
        std::fclose(f);
    }
    return std::size_t(pages) * std::size_t(sysconf(_SC_PAGESIZE));
}

// Lets the process map at most extraBytes more than it has now. Only the soft
// limit is set, so that RemoveMemoryLimit can lift it again.
inline bool LimitAddressSpace(std::size_t extraBytes)
{
    const rlimit r{rlim_t(AddressSpaceInUse() + extraBytes), RLIM_INFINITY};
    return setrlimit(RLIMIT_AS, &r) == 0;
}

inline void RemoveMemoryLimit()
{
    const rlimit r{RLIM_INFINITY, RLIM_INFINITY};
    setrlimit(RLIMIT_AS, &r);
}

// Runs body in a child process. Returns body's result as the exit status, 101
// when body threw (std::bad_alloc, say), or minus the signal that ended the child.
inline int RunInChild(const std::function<int()>& body)
{
    std::fflush(nullptr);
    const pid_t pid = fork();
    if (pid == 0) {
        // The child never returns into the test program.
        try {
            _exit(body());
        } catch (...) {
            _exit(101);
        }
    }
    int status = 0;
    if (pid < 0 || waitpid(pid, &status, 0) != pid)
        return -1000;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -WTERMSIG(status);
}

// Runs body in a child that may map at most extraBytes more than it has when
// body starts; returns as RunInChild does (100: no limit could be set).
inline int RunWithMemoryLimit(std::size_t extraBytes, const std::function<int()>& body)
{
    return RunInChild([&] { return LimitAddressSpace(extraBytes) ? body() : 100; });
}
