#include "cli/TerminalProgress.h"

#include "read/ReadProgress.h"
#include "read/SystemMemory.h"

#include <chrono>
#include <cstdio>

#include <unistd.h>

namespace {
using namespace std::chrono_literals;
// A read quicker than this shows nothing.
constexpr auto kFirstShown = 300ms;
constexpr auto kEvery = 100ms;
}  // namespace

CTerminalProgress::CTerminalProgress(const CReadProgress& progress, std::string name)
    : m_progress(progress), m_strName(std::move(name))
{
    if (isatty(STDERR_FILENO))
        m_task = CWorkerPool::Instance().Post([this] { Run(); });
}

CTerminalProgress::~CTerminalProgress()
{
    {
        const std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    m_task.Wait();
}

void CTerminalProgress::Run()
{
    std::unique_lock lock(m_mutex);
    bool shown = false;
    auto wait = std::chrono::milliseconds(kFirstShown);
    while (!m_wake.wait_for(lock, wait, [this] { return m_bStop; })) {
        Show(shown);
        wait = kEvery;
    }
    if (shown)
        std::fputs("\r\033[K", stderr);
}

// A file's share in percent; a stream of unknown length as the bytes come in.
void CTerminalProgress::Show(bool& shown) const
{
    const double fraction = m_progress.Fraction();
    if (fraction >= 0)
        std::fprintf(stderr, "\rsorv: reading %s %3d%%", m_strName.c_str(), int(fraction * 100));
    else
        std::fprintf(stderr, "\rsorv: reading %s %s\033[K", m_strName.c_str(), FormatBytes(m_progress.BytesIn()).c_str());
    std::fflush(stderr);
    shown = true;
}
