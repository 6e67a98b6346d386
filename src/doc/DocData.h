#pragma once
// What a chart reads of a document: the matrix read from its file, one label
// per row, the range of its values and what an import found. A document
// publishes it whole and never changes it after: a reload or an append
// publishes another, and a drawing keeps the one it began with, shared.
// Data made by an append may share the storage of the data it extends,
// whose cells it never writes: the storage has room for more rows, and its
// rows room for more columns.

#include "doc/ColumnLabels.h"
#include "doc/ValueRange.h"
#include "doc/XValues.h"

#include <cstddef>
#include <memory>
#include <string>

class CDocData {
public:
    int m_nCols = 0;
    int m_nRows = 0;
    std::shared_ptr<double[]> m_pData;       // m_nRows x m_nCols, row-major, rows m_nStride apart
    std::shared_ptr<std::string[]> m_pLabels;  // m_nRows labels, raw bytes
    int m_nStride = 0;     // cells from a row to the next: at least m_nCols
    int m_nRowRoom = 0;    // rows (and labels) the storage has room for: at least m_nRows
    double m_dMin = 0.0;
    double m_dMax = 0.0;
    // TRUE when the whole file is valid UTF-8; labels and title are then UTF-8,
    // otherwise Shift-JIS.
    bool m_bUtf8 = false;
    // Set by the importer: the cells without a value (NaN: empty, not a number,
    // or padding a short line), and the columns' labels when the file's first
    // column gave them (empty otherwise).
    int m_nMissing = 0;
    CColumnLabels m_columnLabels;
    // The x value of each column, when the file gave them (empty otherwise):
    // the charts then place the points at their x.
    CXValues m_x;
    // Read by the import's column path: each column of the file a series.
    bool m_bColumnWise = false;

    bool IsEmpty() const { return m_pData == nullptr; }
    const double* Row(int row) const { return m_pData.get() + std::size_t(row) * std::size_t(m_nStride); }
    double Value(int row, int col) const { return Row(row)[col]; }
    // A matrix of rows x cols just as large as it: no room left.
    void SetShape(int rows, int cols);
    // The range of the finite values as range found them; 0 to 0 when there is none.
    void TakeRange(const ValueRange& range);

    // Takes row (from 0) out of the matrix as the x values of the columns,
    // named by its label, and takes the range again. Refused (false, nothing
    // changed) for a row that is not there, the only row, or one without a
    // finite value.
    bool TakeRowAsX(int row);
};
