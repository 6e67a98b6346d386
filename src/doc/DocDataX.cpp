#include "doc/DocData.h"

#include <algorithm>
#include <cmath>
#include <vector>

bool CDocData::TakeRowAsX(int row)
{
    if (IsEmpty() || row < 0 || row >= m_nRows || m_nRows < 2)
        return false;
    const double* values = Row(row);
    if (std::none_of(values, values + m_nCols, [](double v) { return std::isfinite(v); }))
        return false;
    std::vector<double> x(values, values + m_nCols);
    const std::size_t cols = std::size_t(m_nCols);
    auto data = std::make_unique_for_overwrite<double[]>(std::size_t(m_nRows - 1) * cols);
    auto labels = std::make_unique<std::string[]>(std::size_t(m_nRows - 1));
    ValueRange range;
    for (int r = 0, to = 0; r < m_nRows; ++r) {
        if (r == row)
            continue;
        std::copy(Row(r), Row(r) + cols, data.get() + std::size_t(to) * cols);
        for (std::size_t c = 0; c < cols; ++c)
            range.Add(Row(r)[c]);
        labels[to++] = m_pLabels[r];
    }
    // Only imports count their missing cells; the row's leave with it.
    const int missing = int(std::count_if(x.begin(), x.end(), [](double v) { return std::isnan(v); }));
    m_nMissing -= std::min(m_nMissing, missing);
    m_x = CXValues(XKind::Number, m_pLabels[row], std::move(x));
    SetShape(m_nRows - 1, m_nCols);
    m_pData = std::move(data);
    m_pLabels = std::move(labels);
    TakeRange(range);
    return true;
}
