#include "read/ProgressCheckpoint.h"

#include <algorithm>

CProgressCheckpoint::CProgressCheckpoint(const char* begin, const char* end, CReadProgress& progress,
                                         std::uint64_t workPerByte)
    : m_end(end), m_progress(progress), m_workPerByte(workPerByte), m_reported(begin),
      m_next(begin + std::min(kProgressStep, std::size_t(end - begin)))
{
}

bool CProgressCheckpoint::Report(const char* p)
{
    // A record may run past the end (a quoted line break): the piece after it
    // reports those bytes.
    const char* done = std::clamp(p, m_reported, m_end);
    const bool goOn = m_progress.Advance(std::uint64_t(done - m_reported) * m_workPerByte);
    m_reported = done;
    m_next = done + std::min(kProgressStep, std::size_t(m_end - done));
    return goOn;
}
