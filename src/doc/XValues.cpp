#include "doc/XValues.h"

#include "doc/GrownRoom.h"

#include <algorithm>
#include <cmath>

CXValues::CXValues(XKind kind, std::string name, std::vector<double> values)
    : m_kind(kind)
    , m_strName(std::move(name))
    , m_pValues(std::make_unique_for_overwrite<double[]>(values.size()))
    , m_nCount(values.size())
    , m_nRoom(values.size())
{
    std::copy(values.begin(), values.end(), m_pValues.get());
    Scan(0);
}

void CXValues::Scan(std::size_t from)
{
    for (std::size_t c = from; c < m_nCount; ++c) {
        const double v = m_pValues[c];
        if (std::isnan(v)) {
            m_bGaps = true;
            continue;
        }
        m_bNeverFalls = m_bNeverFalls && v >= m_dLast;
        m_dLast = v;
    }
}

CXValues CXValues::Appended(std::size_t keep, const double* values, std::size_t count) const
{
    keep = std::min(keep, m_nCount);
    if (keep == m_nCount && keep + count <= m_nRoom) {
        CXValues next = *this;
        std::copy(values, values + count, next.m_pValues.get() + keep);
        next.m_nCount = keep + count;
        next.Scan(keep);
        return next;
    }
    CXValues next;
    next.m_kind = m_kind;
    next.m_strName = m_strName;
    next.m_nCount = keep + count;
    next.m_nRoom = GrownRoom(next.m_nCount);
    next.m_pValues = std::make_unique_for_overwrite<double[]>(next.m_nRoom);
    std::copy(Data(), Data() + keep, next.m_pValues.get());
    std::copy(values, values + count, next.m_pValues.get() + keep);
    next.Scan(0);
    return next;
}

std::optional<std::pair<double, double>> CXValues::Range(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, int(m_nCount) - 1);
    std::optional<std::pair<double, double>> range;
    for (int c = first; c <= last; ++c) {
        const double v = m_pValues[std::size_t(c)];
        if (std::isnan(v))
            continue;
        if (!range)
            range.emplace(v, v);
        range->first = std::min(range->first, v);
        range->second = std::max(range->second, v);
        // Values that never fall have their range at the ends.
        if (m_bNeverFalls && !m_bGaps) {
            range->second = m_pValues[std::size_t(last)];
            break;
        }
    }
    return range;
}

std::optional<std::pair<int, int>> CXValues::ColumnsWithin(double low, double high) const
{
    if (!m_bNeverFalls || !(low <= high))
        return std::nullopt;
    int first = -1, last = -1;
    if (m_bGaps) {
        for (std::size_t c = 0; c < m_nCount; ++c) {
            const double v = m_pValues[c];
            if (v >= low && v <= high) {
                first = first < 0 ? int(c) : first;
                last = int(c);
            }
        }
    } else {
        const auto begin = std::lower_bound(Data(), Data() + m_nCount, low);
        const auto end = std::upper_bound(begin, Data() + m_nCount, high);
        if (begin != end) {
            first = int(begin - Data());
            last = int(end - Data()) - 1;
        }
    }
    if (first < 0)
        return std::nullopt;
    return std::make_pair(first, last);
}

int CXValues::NearestColumn(double v, int first, int last) const
{
    const auto at = [&](int c) { return std::abs(m_pValues[std::size_t(c)] - v); };
    if (m_bNeverFalls && !m_bGaps && first <= last) {
        // The nearest is the first value not below v or the one before it.
        const auto begin = Data() + first;
        int c = int(std::lower_bound(begin, Data() + last + 1, v) - Data());
        c = std::min(c, last);
        return c > first && at(c - 1) <= at(c) ? c - 1 : c;
    }
    int best = first;
    for (int c = first; c <= last; ++c) {
        if (!std::isnan(at(c)) && (std::isnan(at(best)) || at(c) < at(best)))
            best = c;
    }
    return best;
}

std::optional<std::pair<int, int>> CXValues::ColumnsAround(double low, double high) const
{
    if (!m_bNeverFalls || IsEmpty() || !(low <= high))
        return std::nullopt;
    const int last = int(m_nCount) - 1;
    int from = 0, to = last;
    if (m_bGaps) {
        for (int c = 0; c <= last; ++c) {
            const double v = m_pValues[std::size_t(c)];
            if (v <= low)
                from = c;
            if (v >= high) {
                to = c;
                break;
            }
        }
    } else {
        // The first value above low, less one; the first value not below high.
        from = std::max(0, int(std::upper_bound(Data(), Data() + m_nCount, low) - Data()) - 1);
        to = std::min(last, int(std::lower_bound(Data(), Data() + m_nCount, high) - Data()));
    }
    return std::make_pair(from, to);
}
