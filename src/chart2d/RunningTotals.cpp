#include "chart2d/RunningTotals.h"

#include "doc/DocSnapshot.h"

#include <algorithm>
#include <cstring>
#include <utility>

CRunningTotals::CRunningTotals(const CDocSnapshot& doc, int firstColumn, int columns, int firstRow, int lastRow,
                               std::size_t budget, std::vector<bool> left)
    : m_doc(doc), m_left(std::move(left)), m_nFirstColumn(firstColumn), m_nColumns(columns), m_nFirstRow(firstRow)
{
    const std::size_t rowsFitting = budget / std::size_t(columns);
    const int rows = lastRow - firstRow + 1;
    if (rowsFitting < 2) {
        // Not even a checkpoint and a working row: blocks of columns, each summed from row 0.
        m_nWidth = int(std::min<std::size_t>(budget, std::size_t(columns)));
        m_nSpacing = 0;
        m_work.resize(std::size_t(m_nWidth));
        return;
    }
    m_nWidth = columns;
    // Every row a checkpoint when they all fit; otherwise as many as fit beside the working row.
    m_nSpacing = std::size_t(rows) <= rowsFitting ? 1 : int((std::size_t(rows) + rowsFitting - 2) / (rowsFitting - 1));
    const int count = (rows + m_nSpacing - 1) / m_nSpacing;
    m_checkpoints.assign(std::size_t(count) * std::size_t(columns), 0.0);
    if (m_nSpacing > 1)
        m_work.resize(std::size_t(columns));
    // One pass from row 0 down to the last checkpoint, copying each as it is reached.
    AddRows(Checkpoint(0), 0, firstRow, 0);
    for (int i = 1; i < count; ++i) {
        std::memcpy(Checkpoint(i), Checkpoint(i - 1), std::size_t(columns) * sizeof(double));
        const int row = firstRow + i * m_nSpacing;
        AddRows(Checkpoint(i), row - m_nSpacing + 1, row, 0);
    }
}

int CRunningTotals::BlockColumns(int from) const
{
    return std::min(m_nWidth, m_nColumns - from);
}

void CRunningTotals::AddRows(double* totals, int first, int last, int from) const
{
    const int n = BlockColumns(from);
    for (int q = first; q <= last; ++q) {
        if (std::size_t(q) < m_left.size() && m_left[std::size_t(q)])
            continue;
        const double* values = m_doc->Row(q) + m_nFirstColumn + from;
        for (int c = 0; c < n; ++c)
            totals[c] += values[c];
    }
}

const double* CRunningTotals::Row(int r, int from)
{
    if (m_nSpacing == 0) {
        std::fill(m_work.begin(), m_work.end(), 0.0);
        AddRows(m_work.data(), 0, r, from);
        return m_work.data();
    }
    const int i = (r - m_nFirstRow) / m_nSpacing;
    const int row = m_nFirstRow + i * m_nSpacing;
    if (row == r)
        return Checkpoint(i);
    std::memcpy(m_work.data(), Checkpoint(i), std::size_t(m_nWidth) * sizeof(double));
    AddRows(m_work.data(), row + 1, r, 0);
    return m_work.data();
}
