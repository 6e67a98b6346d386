#include "doc/DocData.h"

#include <algorithm>
#include <cmath>
#include <vector>

bool CDocData::TakeRowAsX(int row)
{
    if (IsEmpty() || row < 0 || row >= m_nRows || m_nRows < 2)
        return false;
    const std::size_t cols = std::size_t(m_nCols), at = std::size_t(row) * cols;
    const double* values = m_pData.get() + at;
    if (std::none_of(values, values + cols, [](double v) { return std::isfinite(v); }))
        return false;
    std::vector<double> x(values, values + cols);
    const std::size_t cells = std::size_t(m_nRows - 1) * cols;
    auto data = std::make_unique_for_overwrite<double[]>(cells);
    std::copy(m_pData.get(), m_pData.get() + at, data.get());
    std::copy(m_pData.get() + at + cols, m_pData.get() + cells + cols, data.get() + at);
    auto labels = std::make_unique<std::string[]>(std::size_t(m_nRows - 1));
    std::move(m_pLabels.get(), m_pLabels.get() + row, labels.get());
    std::move(m_pLabels.get() + row + 1, m_pLabels.get() + m_nRows, labels.get() + row);
    // Only imports count their missing cells; the row's leave with it.
    const int missing = int(std::count_if(x.begin(), x.end(), [](double v) { return std::isnan(v); }));
    m_nMissing -= std::min(m_nMissing, missing);
    m_x = CXValues(XKind::Number, std::move(m_pLabels[row]), std::move(x));
    ValueRange range;
    for (std::size_t i = 0; i < cells; ++i)
        range.Add(data[i]);
    --m_nRows;
    m_pData = std::move(data);
    m_pLabels = std::move(labels);
    TakeRange(range);
    return true;
}
