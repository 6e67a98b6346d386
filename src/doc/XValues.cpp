#include "doc/XValues.h"

#include <algorithm>
#include <cmath>

CXValues::CXValues(XKind kind, std::string name, std::vector<double> values)
    : m_kind(kind), m_strName(std::move(name)), m_values(std::move(values))
{
    double last = -INFINITY;
    for (const double v : m_values) {
        if (std::isnan(v)) {
            m_bGaps = true;
            continue;
        }
        m_bNeverFalls = m_bNeverFalls && v >= last;
        last = v;
    }
}

std::optional<std::pair<double, double>> CXValues::Range(int first, int last) const
{
    first = std::max(first, 0);
    last = std::min(last, int(m_values.size()) - 1);
    std::optional<std::pair<double, double>> range;
    for (int c = first; c <= last; ++c) {
        const double v = m_values[std::size_t(c)];
        if (std::isnan(v))
            continue;
        if (!range)
            range.emplace(v, v);
        range->first = std::min(range->first, v);
        range->second = std::max(range->second, v);
        // Values that never fall have their range at the ends.
        if (m_bNeverFalls && !m_bGaps) {
            range->second = m_values[std::size_t(last)];
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
        for (std::size_t c = 0; c < m_values.size(); ++c) {
            const double v = m_values[c];
            if (v >= low && v <= high) {
                first = first < 0 ? int(c) : first;
                last = int(c);
            }
        }
    } else {
        const auto begin = std::lower_bound(m_values.begin(), m_values.end(), low);
        const auto end = std::upper_bound(begin, m_values.end(), high);
        if (begin != end) {
            first = int(begin - m_values.begin());
            last = int(end - m_values.begin()) - 1;
        }
    }
    if (first < 0)
        return std::nullopt;
    return std::make_pair(first, last);
}

int CXValues::NearestColumn(double v, int first, int last) const
{
    const auto at = [&](int c) { return std::abs(m_values[std::size_t(c)] - v); };
    if (m_bNeverFalls && !m_bGaps && first <= last) {
        // The nearest is the first value not below v or the one before it.
        const auto begin = m_values.begin() + first;
        int c = int(std::lower_bound(begin, m_values.begin() + last + 1, v) - m_values.begin());
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
    if (!m_bNeverFalls || m_values.empty() || !(low <= high))
        return std::nullopt;
    const int last = int(m_values.size()) - 1;
    int from = 0, to = last;
    if (m_bGaps) {
        for (int c = 0; c <= last; ++c) {
            const double v = m_values[std::size_t(c)];
            if (v <= low)
                from = c;
            if (v >= high) {
                to = c;
                break;
            }
        }
    } else {
        // The first value above low, less one; the first value not below high.
        from = std::max(0, int(std::upper_bound(m_values.begin(), m_values.end(), low) - m_values.begin()) - 1);
        to = std::min(last, int(std::lower_bound(m_values.begin(), m_values.end(), high) - m_values.begin()));
    }
    return std::make_pair(from, to);
}
