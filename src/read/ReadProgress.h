#pragma once
// How far a read has come, and a way to stop it: the caller polls the
// fraction (from any thread) and may cancel. One per read.

#include "work/CancelToken.h"

#include <atomic>
#include <cstddef>
#include <cstdint>

// The reading threads report their work and check the cancel flag after
// every so many bytes of text.
constexpr std::size_t kProgressStep = std::size_t(64) << 10;

class CReadProgress {
public:
    // Asks the read to stop. It returns soon after with the document empty
    // and the failure ReadError::Cancelled.
    void Cancel() { m_cancel.Cancel(); }
    bool IsCancelled() const { return m_cancel.IsCancelled(); }

    // The share of the read done, 0 to 1; negative while a stream of unknown
    // length is still arriving (BytesIn then says how much has come).
    double Fraction() const;
    // Bytes of the file or stream taken in so far.
    std::uint64_t BytesIn() const { return m_nBytesIn.load(std::memory_order_relaxed); }

    // For the reader: the bytes taken in, the whole work once it is known,
    // and work done (from any reading thread). Advance says whether to go on.
    void SetBytesIn(std::uint64_t bytes) { m_nBytesIn.store(bytes, std::memory_order_relaxed); }
    void SetTotalWork(std::uint64_t work) { m_nTotal.store(work, std::memory_order_relaxed); }
    bool Advance(std::uint64_t work)
    {
        m_nDone.fetch_add(work, std::memory_order_relaxed);
        return !IsCancelled();
    }
    void Complete() { m_nDone.store(m_nTotal.load(std::memory_order_relaxed), std::memory_order_relaxed); }

private:
    CCancelToken m_cancel;
    std::atomic<std::uint64_t> m_nBytesIn{0};
    std::atomic<std::uint64_t> m_nDone{0};
    std::atomic<std::uint64_t> m_nTotal{0};
};
