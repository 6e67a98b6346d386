#pragma once
// The running totals of the stacked chart: for a document row r and a column
// of the region, the sum of that column over the document's rows 0 through r,
// added in row order from 0.0. The memory they take is bounded whatever the
// document: the totals of whole rows are kept at checkpoint rows while they
// fit, and recomputed from the nearest checkpoint (or from row 0, in blocks of
// columns, for rows wider than the bound); every sum is the same either way.

#include <cstddef>
#include <vector>

class CDocSnapshot;

class CRunningTotals {
public:
    // Values kept at most: 8 MB.
    static constexpr std::size_t kBudget = std::size_t(1) << 20;

    // The totals of the rows firstRow..lastRow at the columns firstColumn ..
    // firstColumn + columns - 1, all inside the matrix; budget is at least 2.
    // The rows that left holds true for (by document row) count for nothing.
    CRunningTotals(const CDocSnapshot& doc, int firstColumn, int columns, int firstRow, int lastRow,
                   std::size_t budget = kBudget, std::vector<bool> left = {});

    // The columns one call of Row gives.
    int BlockWidth() const { return m_nWidth; }
    // The totals of row r (firstRow..lastRow) at the region's columns from ..
    // from + BlockWidth() - 1 (fewer at the end), from a multiple of
    // BlockWidth(). Valid until the next call.
    const double* Row(int r, int from);

private:
    // Adds the rows first..last into totals, at the region's columns from on.
    void AddRows(double* totals, int first, int last, int from) const;
    int BlockColumns(int from) const;
    double* Checkpoint(int i) { return m_checkpoints.data() + std::size_t(i) * std::size_t(m_nWidth); }

    const CDocSnapshot& m_doc;
    std::vector<bool> m_left;
    int m_nFirstColumn;
    int m_nColumns;
    int m_nFirstRow;
    int m_nWidth;     // columns of a block: all of them when checkpoints are kept
    int m_nSpacing;   // rows from one checkpoint to the next; 0: none kept
    std::vector<double> m_checkpoints;  // the totals of rows firstRow, firstRow + spacing, ...
    std::vector<double> m_work;         // a row recomputed from a checkpoint or from row 0
};
