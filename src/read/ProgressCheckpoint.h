#pragma once
// The reading threads' report of their work: a pass over [begin, end) tells
// its progress every kProgressStep bytes and checks the cancel flag there.

#include "read/ReadProgress.h"

#include <cstdint>

class CProgressCheckpoint {
public:
    // A byte of [begin, end) counts as workPerByte of the read's work (0: the
    // pass only checks the cancel flag).
    CProgressCheckpoint(const char* begin, const char* end, CReadProgress& progress, std::uint64_t workPerByte = 1);

    // The pass has come to p; false when the read was cancelled. Costs a
    // comparison between reports.
    bool At(const char* p) { return p < m_next || Report(p); }
    // Reports the work up to p (at most the end); false when the read was cancelled.
    bool Report(const char* p);

private:
    const char* m_end;
    CReadProgress& m_progress;
    std::uint64_t m_workPerByte;
    const char* m_reported;   // work up to here is reported
    const char* m_next;       // the next report is due here
};
