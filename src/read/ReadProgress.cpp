#include "read/ReadProgress.h"

#include <algorithm>

double CReadProgress::Fraction() const
{
    const std::uint64_t total = m_nTotal.load(std::memory_order_relaxed);
    if (total == 0)
        return -1.0;
    return std::min(1.0, double(m_nDone.load(std::memory_order_relaxed)) / double(total));
}
